#include "print/qt/printer_facts.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <cstdlib>
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

    bool Load() {
        void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_LOCAL);
        if (library == nullptr) return false;
        return Bind(library, server, "cupsServer") && Bind(library, port, "ippPort") &&
               Bind(library, encryption, "cupsEncryption") &&
               Bind(library, connect, "httpConnect2") && Bind(library, close, "httpClose") &&
               Bind(library, getDests, "cupsGetDests2") && Bind(library, getDest, "cupsGetDest") &&
               Bind(library, freeDests, "cupsFreeDests");
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

}  // namespace

PrinterFacts QueryPrinterFacts() {
    PrinterFacts facts;
    ReadNamedPrinter(facts);
    CupsLibrary cups;
    // Without the library there is no printing system to reach.
    http_t* scheduler = cups.Load() ? cups.connect(cups.server(), cups.port(), nullptr, AF_UNSPEC,
                                                   cups.encryption(), 1, kConnectTimeoutMs, nullptr)
                                    : nullptr;
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
