// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of tessarine-pdf, shared by the writer of standard-font
// PDFs and the one that embeds the system's fonts.

#include "pdf_tool.h"

#include <langinfo.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <charconv>
#include <clocale>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string_view>

#include "calendar/text_catalog.h"
#include "dialogs/calendar_sources.h"
#include "events/qt/calendar_fetch.h"
#include "events/qt/locale_short_time.h"
#include "platform/qt/app_translators.h"
#include "platform/qt/system_locale_names.h"

namespace tessarine {

namespace {

constexpr const char* kVersion = TESSARINE_VERSION;

// One line per form, so that the manual page's synopsis is made from it.
constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "tessarine-pdf",
    "Usage: tessarine-pdf [OPTION]... --output FILE.pdf\n"
    "  or:  tessarine-pdf --list-formats | --help | --version\n"
    "\n"
    "Writes calendar pages, one page per printed sheet, to FILE.pdf.\n"
    "\n"
    "  --format N|NAME      page format by number or by its name (see --list-formats);\n"
    "                       default 0\n"
    "  --pages 1..13        consecutive pages; default 1\n"
    "  --date YYYY-MM-DD    the date the pages start from, 1582-01-01 to 3000-12-31;\n"
    "                       default today\n"
    "  --days doy|jdn|none  second number in Month View cells: day of year,\n"
    "                       chronological Julian Day Number or none; default doy\n"
    "  --paper letter|a4    sheet size; default the paper size of the system's locale\n"
    "  --output FILE.pdf    the PDF file to write, or - for standard output; an\n"
    "                       existing file is replaced only by a complete new one;\n"
    "                       a FIFO or device is written to, never replaced\n"
    "  --calendar FILE|ADDRESS\n"
    "                       an iCalendar file, or an https://, http:// or webcal://\n"
    "                       address (webcal:// is fetched as http://), whose events\n"
    "                       the pages list; may be given more than once. Fetched\n"
    "                       copies are kept in $XDG_CACHE_HOME/tessarine and used\n"
    "                       when the address cannot be reached\n"
    "\n"
    "Exit status: 0 written, 1 the file could not be written or a calendar could\n"
    "not be read, 2 bad arguments.\n");

using Options = PdfToolOptions;

struct BadArguments {
    std::string message;
};

// A message of the tool in the user's language, its %1, %2 filled in.
std::string ToolText(const char* source, std::initializer_list<std::string_view> arguments = {}) {
    return FillPlaceholders(QCoreApplication::translate("tessarine-pdf", source).toStdString(),
                            arguments);
}

bool ParseInt(std::string_view text, int& value) {
    if (text.empty()) {
        return false;
    }
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// A format's name in the user's language; the English one where there is no
// translation.
QString TranslatedFormatName(int index) {
    return QCoreApplication::translate("PageFormats",
                                       PageFormats()[static_cast<std::size_t>(index)].listText);
}

int ParseFormat(const std::string& text) {
    int index = -1;
    if (ParseInt(text, index)) {
        if (index < 0 || index >= kPageFormatCount) {
            throw BadArguments{
                ToolText(QT_TRANSLATE_NOOP(
                             "tessarine-pdf",
                             "unknown format %1: the formats are 0 to 11 (see --list-formats)"),
                         {text})};
        }
        return index;
    }
    // The English names, or the user's, in any case.
    const QString name = QString::fromUtf8(text);
    for (int i = 0; i < kPageFormatCount; ++i) {
        if (Lower(PageFormats()[static_cast<std::size_t>(i)].listText) == Lower(text) ||
            TranslatedFormatName(i).compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    throw BadArguments{ToolText(
        QT_TRANSLATE_NOOP("tessarine-pdf", "unknown format \"%1\" (see --list-formats)"), {text})};
}

DateSerial ParseDate(const std::string& text) {
    const auto digits = [&text](std::size_t from, std::size_t count) {
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return false;
            }
        }
        return true;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digits(0, 4) || !digits(5, 2) ||
        !digits(8, 2)) {
        throw BadArguments{ToolText(
            QT_TRANSLATE_NOOP("tessarine-pdf", "bad date \"%1\": write it as YYYY-MM-DD"), {text})};
    }
    const int year = std::stoi(text.substr(0, 4));
    const int month = std::stoi(text.substr(5, 2));
    const int day = std::stoi(text.substr(8, 2));
    if (year < kFirstSupportedYear || year > kLastSupportedYear) {
        throw BadArguments{ToolText(
            QT_TRANSLATE_NOOP("tessarine-pdf", "date %1 lies outside the years 1582 to 3000"),
            {text})};
    }
    if (month < 1 || month > 12 || day < 1 || day > MonthLength(year, month)) {
        throw BadArguments{
            ToolText(QT_TRANSLATE_NOOP("tessarine-pdf", "date %1 does not exist"), {text})};
    }
    return EncodeDateSerial(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                            static_cast<std::uint16_t>(day));
}

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const std::size_t equals = name.find('=');
            name.starts_with("--") && equals != name.npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const bool known = name == "--format" || name == "--pages" || name == "--date" ||
                           name == "--days" || name == "--paper" || name == "--output" ||
                           name == "--calendar";
        if (!known) {
            throw BadArguments{
                ToolText(QT_TRANSLATE_NOOP("tessarine-pdf", "unknown option %1"), {name})};
        }
        for (const std::string& earlier : seen) {
            if (earlier == name) {
                throw BadArguments{ToolText(
                    QT_TRANSLATE_NOOP("tessarine-pdf", "option %1 is given twice"), {name})};
            }
        }
        if (name != "--calendar") {
            seen.push_back(name);
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                throw BadArguments{ToolText(
                    QT_TRANSLATE_NOOP("tessarine-pdf", "option %1 needs a value"), {name})};
            }
            value = args[++i];
        }
        if (name == "--format") {
            options.format = ParseFormat(*value);
        } else if (name == "--pages") {
            if (!ParseInt(*value, options.pages) || options.pages < 1 ||
                options.pages > kMaxConsecutivePages) {
                throw BadArguments{
                    ToolText(QT_TRANSLATE_NOOP("tessarine-pdf",
                                               "pages must be a number from 1 to 13, not \"%1\""),
                             {*value})};
            }
        } else if (name == "--date") {
            options.date = ParseDate(*value);
        } else if (name == "--days") {
            const std::string days = Lower(*value);
            if (days == "jdn") {
                options.julian = true;
            } else if (days == "none") {
                options.none = true;
            } else if (days != "doy") {
                throw BadArguments{ToolText(
                    QT_TRANSLATE_NOOP("tessarine-pdf", "days must be doy, jdn or none, not \"%1\""),
                    {*value})};
            }
        } else if (name == "--paper") {
            const std::string paper = Lower(*value);
            if (paper == "letter") {
                options.paper = Paper::Letter;
            } else if (paper == "a4") {
                options.paper = Paper::A4;
            } else {
                throw BadArguments{ToolText(
                    QT_TRANSLATE_NOOP("tessarine-pdf", "paper must be letter or a4, not \"%1\""),
                    {*value})};
            }
        } else if (name == "--calendar") {
            if (value->empty()) {
                throw BadArguments{ToolText(
                    QT_TRANSLATE_NOOP("tessarine-pdf", "the calendar file or address is empty"))};
            }
            options.calendars.push_back(*value);
        } else {
            if (value->empty()) {
                throw BadArguments{
                    ToolText(QT_TRANSLATE_NOOP("tessarine-pdf", "the output file name is empty"))};
            }
            options.output = *value;
        }
    }
    if (options.output.empty()) {
        throw BadArguments{
            ToolText(QT_TRANSLATE_NOOP("tessarine-pdf", "no output file: give --output FILE.pdf"))};
    }
    return options;
}

// The paper of the user's locale: the C library knows it per country
// (LC_PAPER); otherwise US measurement means Letter. glibc's _NL_PAPER_*
// items are enumerators, not macros, so only the library can be tested for.
Paper LocalePaper() {
#ifdef __GLIBC__
    if (std::setlocale(LC_PAPER, "") != nullptr) {
        // These items return the number itself in place of a string pointer.
        const auto millimetres = [](nl_item item) {
            return static_cast<int>(reinterpret_cast<std::uintptr_t>(nl_langinfo(item)));
        };
        if (const std::optional<Paper> paper =
                PaperOfSize(millimetres(_NL_PAPER_WIDTH), millimetres(_NL_PAPER_HEIGHT))) {
            return *paper;
        }
    }
#endif
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter
                                                                              : Paper::A4;
}

// The English names, which scripts can rely on, and beside them the user's
// where they differ; --format takes either.
void ListFormats() {
    int englishWidth = 0;
    for (const PageFormat& format : PageFormats()) {
        englishWidth = std::max(englishWidth, static_cast<int>(std::strlen(format.listText)));
    }
    for (int i = 0; i < kPageFormatCount; ++i) {
        const char* english = PageFormats()[static_cast<std::size_t>(i)].listText;
        const QByteArray translated = TranslatedFormatName(i).toUtf8();
        if (translated == english) {
            std::printf("%2d  %s\n", i, english);
        } else {
            std::printf("%2d  %-*s  %s\n", i, englishWidth, english, translated.constData());
        }
    }
}

// Qt's own notes about the session (no runtime directory for a root run
// without a desktop) are not the user's business; real warnings still go
// through.
QtMessageHandler previousMessageHandler = nullptr;

void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || message.contains("XDG_RUNTIME_DIR")) {
        return;
    }
    if (previousMessageHandler != nullptr) {
        previousMessageHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

std::string CalendarBytes(const std::string& source) {
    const QString name = QString::fromStdString(source);
    if (!HasCalendarAddressScheme(source)) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) {
            throw std::runtime_error(
                ToolText(QT_TRANSLATE_NOOP("tessarine-pdf", "calendar %1 cannot be read: %2"),
                         {source, file.errorString().toStdString()}));
        }
        return file.readAll().toStdString();
    }
    const CalendarFetchResult fetched = FetchCalendar(name);
    if (fetched.body.isEmpty()) {
        throw std::runtime_error(
            ToolText(QT_TRANSLATE_NOOP("tessarine-pdf",
                                       "calendar %1 cannot be fetched (%2), and no copy of it "
                                       "was kept before"),
                     {source, fetched.problem.toStdString()}));
    }
    if (fetched.fromCache) {
        std::fprintf(stderr, "tessarine-pdf: %s\n",
                     ToolText(QT_TRANSLATE_NOOP("tessarine-pdf",
                                                "calendar %1 cannot be fetched (%2); printing "
                                                "the copy kept from before"),
                              {source, fetched.problem.toStdString()})
                         .c_str());
    }
    return fetched.body.toStdString();
}

}  // namespace

std::shared_ptr<const EventCalendarSet> ReadCalendars(const std::vector<std::string>& sources) {
    if (sources.empty()) {
        return nullptr;
    }
    auto calendars = std::make_shared<EventCalendarSet>();
    for (const std::string& source : sources) {
        try {
            calendars->Add(EventCalendar::Read(CalendarBytes(source), source));
        } catch (const CalendarReadError& error) {
            throw std::runtime_error(error.Message(QtTextTranslator()));
        }
    }
    return calendars;
}

Paper PaperOf(const PdfToolOptions& options) {
    return options.paper.value_or(LocalePaper());
}

void PrintRequestedPages(const PdfToolOptions& options, PrintDeviceFactory makeDevice) {
    PrintEnvironment environment;
    environment.makeDevice = std::move(makeDevice);
    environment.ShowJulianDayNumber = options.julian;
    environment.ShowNone = options.none;
    environment.localeNames = SystemLocaleNames();
    environment.translate = QtTextTranslator();
    if (options.events) {
        environment.eventsOfDays = [events = options.events](DateSerial first, DateSerial last) {
            return events->EventsOfDays(first, last);
        };
        environment.formatTime = LocaleShortTime();
    }
    PrintJobState job{options.date.value_or(TodayDate()), options.format, options.pages - 1};
    PrintPages(job, environment);
}

void QuietQtNotes() {
    previousMessageHandler = qInstallMessageHandler(QuietMessages);
}

int RunPdfTool(const std::vector<std::string>& args, const PdfPageWriter& write) {
    // A pipe whose reader leaves early, or a file-size limit, then fails the
    // write with an error the tool reports, instead of a signal that ends
    // it without a word. The embedding writer inherits this.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(QCoreApplication::translate("tessarine-pdf", kUsage).toUtf8().constData(),
                   stdout);
        return kPdfToolWritten;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::printf("tessarine-pdf %s\n", kVersion);
        return kPdfToolWritten;
    }
    if (args.size() == 1 && args[0] == "--list-formats") {
        ListFormats();
        return kPdfToolWritten;
    }

    Options options;
    try {
        for (const std::string& arg : args) {
            if (arg == "--help" || arg == "--version" || arg == "--list-formats") {
                throw BadArguments{
                    ToolText(QT_TRANSLATE_NOOP("tessarine-pdf", "%1 stands alone"), {arg})};
            }
        }
        options = ParseOptions(args);
    } catch (const BadArguments& bad) {
        std::fprintf(stderr, "tessarine-pdf: %s\n", bad.message.c_str());
        return kPdfToolBadArguments;
    }
    try {
        options.events = ReadCalendars(options.calendars);
        return write(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tessarine-pdf: %s\n", error.what());
        return kPdfToolFailed;
    }
}

}  // namespace tessarine
