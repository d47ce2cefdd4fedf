// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/printer_facts.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <cstdlib>
#include <iterator>
#include <string>

namespace tessarine {

namespace {

constexpr int kConnectTimeoutMs = 3000;

// The printing system's library is opened only when a printer problem is
// looked into, so that it never weighs on start-up.
struct CupsLibrary {
    decltype(&cupsServer) server = nullptr;
    decltype(&ippPort) port = nullptr;
    decltype(&cupsEncryption) encryption = nullptr;
    decltype(&httpConnect2) connect = nullptr;
    decltype(&httpClose) close = nullptr;
    decltype(&cupsGetDests2) getDests = nullptr;
    decltype(&cupsGetDest) getDest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&httpAssembleURIf) assembleUri = nullptr;
    decltype(&ippNewRequest) newRequest = nullptr;
    decltype(&ippAddString) addString = nullptr;
    decltype(&ippAddStrings) addStrings = nullptr;
    decltype(&cupsDoRequest) doRequest = nullptr;
    decltype(&ippFindAttribute) findAttribute = nullptr;
    decltype(&ippGetBoolean) getBoolean = nullptr;
    decltype(&ippGetInteger) getInteger = nullptr;
    decltype(&ippGetString) getString = nullptr;
    decltype(&ippGetCount) getCount = nullptr;
    decltype(&ippDelete) deleteIpp = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;

    bool Load() {
        void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_LOCAL);
        if (library == nullptr) return false;
        return Bind(library, server, "cupsServer") && Bind(library, port, "ippPort") &&
               Bind(library, encryption, "cupsEncryption") &&
               Bind(library, connect, "httpConnect2") && Bind(library, close, "httpClose") &&
               Bind(library, getDests, "cupsGetDests2") && Bind(library, getDest, "cupsGetDest") &&
               Bind(library, freeDests, "cupsFreeDests") &&
               Bind(library, assembleUri, "httpAssembleURIf") &&
               Bind(library, newRequest, "ippNewRequest") &&
               Bind(library, addString, "ippAddString") &&
               Bind(library, addStrings, "ippAddStrings") &&
               Bind(library, doRequest, "cupsDoRequest") &&
               Bind(library, findAttribute, "ippFindAttribute") &&
               Bind(library, getBoolean, "ippGetBoolean") &&
               Bind(library, getInteger, "ippGetInteger") &&
               Bind(library, getString, "ippGetString") && Bind(library, getCount, "ippGetCount") &&
               Bind(library, deleteIpp, "ippDelete") && Bind(library, lastError, "cupsLastError") &&
               Bind(library, lastErrorString, "cupsLastErrorString");
    }

    // nullptr when the scheduler cannot be reached.
    http_t* ConnectToScheduler() const {
        return connect(server(), port(), nullptr, AF_UNSPEC, encryption(), 1, kConnectTimeoutMs,
                       nullptr);
    }

  private:
    template <typename Function>
    static bool Bind(void* library, Function& function, const char* name) {
        function = reinterpret_cast<Function>(dlsym(library, name));
        return function != nullptr;
    }
};

// CUPS reads LPDEST before PRINTER.
void ReadNamedPrinter(PrinterFacts& facts) {
    for (const char* variable : {"LPDEST", "PRINTER"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            facts.namingVariable = variable;
            facts.namedPrinter = value;
            return;
        }
    }
}

// "queue" or "queue/instance", as the variables may name it.
bool DestinationExists(const CupsLibrary& cups, const std::string& name, int count,
                       cups_dest_t* destinations) {
    const auto slash = name.find('/');
    const std::string queue = name.substr(0, slash);
    const std::string instance = slash == std::string::npos ? "" : name.substr(slash + 1);
    return cups.getDest(queue.c_str(), instance.empty() ? nullptr : instance.c_str(), count,
                        destinations) != nullptr;
}

// The printer attributes of the response that describe its state.
void ReadQueueState(const CupsLibrary& cups, ipp_t* response, QueueFacts& facts) {
    if (ipp_attribute_t* a =
            cups.findAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN)) {
        facts.acceptingJobs = cups.getBoolean(a, 0) != 0;
    }
    if (ipp_attribute_t* a = cups.findAttribute(response, "printer-state", IPP_TAG_ENUM)) {
        facts.state = cups.getInteger(a, 0);
    }
    if (ipp_attribute_t* a = cups.findAttribute(response, "printer-state-message", IPP_TAG_TEXT)) {
        if (const char* text = cups.getString(a, 0, nullptr)) facts.stateMessage = text;
    }
    if (ipp_attribute_t* a =
            cups.findAttribute(response, "printer-state-reasons", IPP_TAG_KEYWORD)) {
        for (int i = 0; i < cups.getCount(a); ++i) {
            if (const char* reason = cups.getString(a, i, nullptr)) {
                facts.stateReasons.emplace_back(reason);
            }
        }
    }
}

}  // namespace

QueueFacts QueryQueueFacts(const std::string& printerName) {
    QueueFacts facts;
    // An instance ("queue/instance") prints on its queue.
    facts.queue = printerName.substr(0, printerName.find('/'));
    CupsLibrary cups;
    http_t* scheduler = cups.Load() ? cups.ConnectToScheduler() : nullptr;
    if (scheduler == nullptr) return facts;
    char uri[HTTP_MAX_URI];
    cups.assembleUri(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", cups.port(),
                     "/printers/%s", facts.queue.c_str());
    ipp_t* request = cups.newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups.addString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const kWanted[] = {"printer-is-accepting-jobs", "printer-state",
                                          "printer-state-message", "printer-state-reasons"};
    cups.addStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                    static_cast<int>(std::size(kWanted)), nullptr, kWanted);
    // cupsDoRequest frees the request.
    if (ipp_t* response = cups.doRequest(scheduler, request, "/")) {
        ReadQueueState(cups, response, facts);
        cups.deleteIpp(response);
    }
    cups.close(scheduler);
    return facts;
}

SubmissionFacts LastSubmissionFacts() {
    SubmissionFacts facts;
    CupsLibrary cups;
    if (!cups.Load()) return facts;
    facts.status = cups.lastError();
    if (const char* text = cups.lastErrorString()) facts.statusText = text;
    return facts;
}

PrinterFacts QueryPrinterFacts() {
    PrinterFacts facts;
    ReadNamedPrinter(facts);
    CupsLibrary cups;
    // Without the library there is no printing system to reach.
    http_t* scheduler = cups.Load() ? cups.ConnectToScheduler() : nullptr;
    if (scheduler == nullptr) {
        facts.schedulerReachable = false;
        return facts;
    }
    cups_dest_t* destinations = nullptr;
    const int count = cups.getDests(scheduler, &destinations);
    if (!facts.namedPrinter.empty()) {
        facts.namedPrinterExists = DestinationExists(cups, facts.namedPrinter, count, destinations);
    }
    facts.hasDefaultPrinter = cups.getDest(nullptr, nullptr, count, destinations) != nullptr;
    cups.freeDests(count, destinations);
    cups.close(scheduler);
    return facts;
}

}  // namespace tessarine
