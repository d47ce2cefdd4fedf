#include "print/qt/printer_facts.h"

#include <cups/cups.h>

#include <cstdlib>
#include <string>

namespace tessarine {

namespace {

constexpr int kConnectTimeoutMs = 3000;

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
bool DestinationExists(const std::string& name, int count, cups_dest_t* destinations) {
    const auto slash = name.find('/');
    const std::string queue = name.substr(0, slash);
    const std::string instance = slash == std::string::npos ? "" : name.substr(slash + 1);
    return cupsGetDest(queue.c_str(), instance.empty() ? nullptr : instance.c_str(), count,
                       destinations) != nullptr;
}

}  // namespace

PrinterFacts QueryPrinterFacts() {
    PrinterFacts facts;
    ReadNamedPrinter(facts);
    http_t* scheduler = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(),
                                     1, kConnectTimeoutMs, nullptr);
    if (scheduler == nullptr) {
        facts.schedulerReachable = false;
        return facts;
    }
    cups_dest_t* destinations = nullptr;
    const int count = cupsGetDests2(scheduler, &destinations);
    if (!facts.namedPrinter.empty()) {
        facts.namedPrinterExists = DestinationExists(facts.namedPrinter, count, destinations);
    }
    facts.hasDefaultPrinter = cupsGetDest(nullptr, nullptr, count, destinations) != nullptr;
    cupsFreeDests(count, destinations);
    httpClose(scheduler);
    return facts;
}

}  // namespace tessarine
