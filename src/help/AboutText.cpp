#include "help/AboutText.h"

namespace tessamo {

Message AboutMessage(const AboutFacts& facts) {
    std::string text = std::string("Tessamo ") + kProgramVersion + "\n\n" + kProgramSummary + "\n\n" +
                       "Data folder: " + facts.dataFolder + "\n\n" + "Licence: " + kProgramLicence + "\n\n" +
                       "Runs on Qt " + facts.qtRunning;
    if (facts.qtBuilt != facts.qtRunning) text += " (built with Qt " + facts.qtBuilt + ")";
    return Message{text, "About Tessamo", MessageIcon::Information};
}

std::string VersionLine(const std::string& program) { return program + " " + kProgramVersion; }

}  // namespace tessamo
