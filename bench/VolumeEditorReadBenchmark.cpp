// The volume editor's read of VOLUME.CFG up to the dialog: the robot's compressed file
// against the same file plain, in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "dialogs/VolumePresetsEditor.h"
#include "stick/OsFile.h"
#include "tools/stickgen/GzipFile.h"

namespace {

using namespace morvane;

constexpr std::string_view kRobotVolumeConfig =
    "0x8000 0x8000\r\n0xe700 0xe400\r\n0xf600 0xf300\r\n0xfe00 0xfb00\r\n"
    "MIDI_Master_Tune:8\r\nPlaying_Rcg_Volume:0x8000\r\nDoInit_Wait_Time:16000\r\n\r\n\r\n";

// The dialog is left at once: only the read before it is measured.
class LeaveAtOnce : public SliderDialogView {
public:
    bool runModal(SliderControls&) override { return false; }
};

class IgnoreMessages : public UserMessages {
public:
    void showMessage(std::string_view) override {}
};

// A stick folder holding only VOLUME.CFG, compressed or plain, made the current directory.
std::filesystem::path volumeStick(bool compressed)
{
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / (compressed ? "morvane-bench-gz" : "morvane-bench-plain");
    std::filesystem::create_directories(root / "OPEN-R" / "MW" / "CONF");
    std::vector<std::uint8_t> bytes(kRobotVolumeConfig.begin(), kRobotVolumeConfig.end());
    if (compressed)
        bytes = stickgen::gzipCompressed(bytes, "VOLUME.CFG");
    std::ofstream(root / "OPEN-R" / "MW" / "CONF" / "VOLUME.CFG", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return root;
}

void readVolumeConfig(benchmark::State& state, bool compressed)
{
    const std::filesystem::path root = volumeStick(compressed);
    const std::filesystem::path before = std::filesystem::current_path();
    changeDirectory(root.string());
    LeaveAtOnce view;
    IgnoreMessages messages;
    MemoryInfoList list;
    StickRoot stick;
    for (auto _ : state) {
        const EditOutcome outcome = editVolumePresets({messages, view, list, stick, systemFileOperations()});
        benchmark::DoNotOptimize(outcome);
    }
    changeDirectory(before.string());
    std::filesystem::remove_all(root);
}

void volumeEditorReadsPlainFile(benchmark::State& state) { readVolumeConfig(state, false); }
void volumeEditorReadsCompressedFile(benchmark::State& state) { readVolumeConfig(state, true); }
BENCHMARK(volumeEditorReadsPlainFile);
BENCHMARK(volumeEditorReadsCompressedFile);

}  // namespace
