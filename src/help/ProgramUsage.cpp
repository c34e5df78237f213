#include "help/ProgramUsage.h"

namespace tessamo {

ProgramRequest ProgramRequestOf(const std::vector<std::string>& arguments) {
    for (const std::string& word : arguments) {
        if (word == "--help" || word == "-h") return ProgramRequest::Help;
        if (word == "--version") return ProgramRequest::Version;
    }
    return ProgramRequest::Run;
}

std::string ProgramUsage() {
    return "Usage: tessamo [OPTION]... [QT-OPTION]...\n"
           "Tessamo is a household cash-book. Income and expense line items (a date, a\n"
           "two-character category code, an amount and a note of up to 40 characters) are\n"
           "kept one ledger file and one category file per calendar year. The main window\n"
           "lists the year's categories and line items with their totals; reports, export,\n"
           "recurring-entry macros, a sorter, backups, a calculator, notes, a word search\n"
           "and a start-up passcode are reached from its menus and toolbar. Press F1 in any\n"
           "window for its help page.\n"
           "\n"
           "Options:\n"
           "  --help             show this text and end\n"
           "  --version          show the version and end\n"
           "  --quit-after-show  start up, show the main window and end at once (checks\n"
           "                     that the program starts on its data folder)\n"
           "\n"
           "Qt options (taken by the window toolkit):\n"
           "  -platform NAME     the window-system plug-in: xcb, wayland, offscreen\n"
           "  -display DISPLAY   the X display to open\n"
           "  -style NAME        the widget style, for example Fusion\n"
           "  -geometry WxH+X+Y  the main window's size and position\n"
           "  -reverse           lay the windows out from right to left\n"
           "\n"
           "Environment:\n"
           "  TESSAMO_HOME       the data folder to use\n"
           "  TESSAMO_TODAY      today's date as mm-dd-yyyy (tests, demonstrations)\n"
           "  TESSAMO_EDITOR     a program to edit the notes file with, instead of the\n"
           "                     built-in notepad\n"
           "  TESSAMO_MAKER_URL  the address that \"Visit Velloran's Website\" opens\n"
           "  TESSAMO_PARTNER_URL  the address that \"Visit Kestrune's Website\" opens\n"
           "  BROWSER            the web browser (else xdg-open)\n"
           "  TMPDIR             the temporary folder (else /tmp)\n"
           "  LC_ALL, LC_MONETARY, LC_NUMERIC  the currency and number conventions\n"
           "\n"
           "Files:\n"
           "  ~/.local/share/tessamo\n"
           "                     the data folder, unless TESSAMO_HOME names another or the\n"
           "                     program's own folder holds a PERSONAL.DAT\n"
           "  YYYYTSM.DAT        the ledger of year YYYY (58-byte line items)\n"
           "  YYYYCATS.DAT       the categories of year YYYY (18-byte records)\n"
           "  PERSONAL.DAT       the settings: user name, passcode, date style\n"
           "  YYYY_tsm.nts       the notes of year YYYY, plain text\n"
           "  *.mcr              macro files, plain text\n"
           "  /usr/share/tessamo/help  the help pages, also built into the program\n"
           "\n"
           "Exit status:\n"
           "  0  the window was closed, or three wrong passcodes were given\n"
           "  1  the data folder could not be used or is in use by another Tessamo\n";
}

}  // namespace tessamo
