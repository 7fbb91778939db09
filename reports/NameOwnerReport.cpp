// The "Name / Owner" report: every voice command the robot has learned, spelled in the
// phonemes of the stick's language, with a reference page for that phoneme set.
#include "base/TextFormat.h"
#include "reports/ReportNodes.h"
#include "reports/VoiceCommands.h"
#include "reports/VoiceLanguage.h"

namespace morvane {
namespace {

// Where the phoneme reference pages live; the page is /210/<language>.htm.
constexpr const char* kPhonemeReferenceHost = "morvane.example.org";

}  // namespace

bool NameOwnerNode::dump(StickStream* file, InfoList& list, StickRoot& stick)
{
    list.clear();
    list.addLine("Custom Voice Commands:");
    list.addLine("");
    const VoiceLanguage* language = findVoiceLanguage(stick.languageCode);
    if (language == nullptr) {
        list.addLine("Unknown Language, can not dump");
        return false;
    }
    const std::string name(language->name);
    list.addLine("Language: " + name);
    list.addLine(formatText("Phonemes http://%s/210/%s.htm", kPhonemeReferenceHost, name.c_str()));
    return file != nullptr && listVoiceCommands(*file, list, language->phonemes);
}

}  // namespace morvane
