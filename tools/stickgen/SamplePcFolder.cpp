// The sample stick's PC folder: a week of diary days with growing skills and one day
// written with the robot's clock reset, photos in three categories (one listed but
// missing, one not listed), the album's placeholder picture, and the 25 voice slots, two
// of them recorded.
#include <cmath>

#include "tools/stickgen/PcFolderFiles.h"
#include "tools/stickgen/SampleStickParts.h"

namespace morvane::stickgen {
namespace {

constexpr int kPhotoWidth = 416;
constexpr int kPhotoHeight = 320;
constexpr int kThumbnailScale = 4;

struct SampleDay {
    const char* file;
    const char* date;
    const char* time;
    int step;  // how far the robot has grown: skills and counts grow with it
};

// In the index's order, which is no order.
constexpr SampleDay kDays[] = {
    {"AI170528.XML", "20170528", "201500", 3}, {"AI170525.XML", "20170525", "194030", 0},
    {"AI000101.XML", "20000101", "000512", 7}, {"AI170531.XML", "20170531", "210000", 6},
    {"AI170526.XML", "20170526", "183000", 1}, {"AI170530.XML", "20170530", "190510", 5},
    {"AI170527.XML", "20170527", "172045", 2}, {"AI170529.XML", "20170529", "200000", 4},
};

std::string number(int value) { return std::to_string(value); }

std::vector<std::uint8_t> dayFile(int step)
{
    std::vector<DiaryGroup> groups{
        {"COMMON", {{"VERSION", "1.0"}}},
        {"CHARACTER", {{"TYPE", "2"}}},
        {"REGISTRATION", {{"OWNER1", "1"}, {"OWNER2", "0"}, {"OWNER3", "0"}, {"AIBONAME", "1"}}},
        {"SKILL",
         {{"BALL", number(1200 + 350 * step)},
          {"BONE", number(800 + 200 * step)},
          {"WALK", number(3000 + 500 * step)},
          {"BABY", number(9000 - 600 * step)},
          {"RESET", "0"}}},
        {"PASSAGE", {{"START_DAY", "20170301"}}},
        {"BEHAVIOR",
         {{"LISTEN_OWNER", number(3 + step)},
          {"BALL_KICK", number(12 + 4 * step)},
          {"BALL_CHASE", number(20 + 3 * step)},
          {"BONE_CARRY", number(2 + step)},
          {"DANCE", number(step % 3)},
          {"SLEEP", number(4 + step % 2)},
          {"V_SHAKE_HANDS", number(1 + step)},
          {"V_SIT_DOWN", number(2 + step)}}},
        {"RECOGNITION",
         {{"FACE", number(5 + step)},
          {"VOICE", number(9 + 2 * step)},
          {"BALL", number(14 + 3 * step)},
          {"BONE", number(3 + step)},
          {"TOUCH_ON", number(25 + 5 * step)},
          {"ECARD", number(step / 2)},
          {"COLLISION", number(7 - step / 2)},
          {"FACE_OWNER1", number(4 + step)},
          {"FACE_OWNER2", "0"},
          {"FACE_OWNER3", "0"}}},
        {"STATISTICS",
         {{"WALK_DISTANCE", number(310 + 45 * step)}, {"OPERATION_TIME", number(7200 + 900 * step)}}},
    };
    if (step == 3)  // an element other software versions write: kept and shown as it stands
        groups.push_back({"MOOD", {{"JOY", "5"}, {"NOTE", "Zo\xe9"}}});
    return diaryDayXml(groups);
}

// A drawn picture: sky, grass and the robot's pink ball, placed by `seed`, at 1 / `scale`
// of the photo's size.
std::vector<std::uint8_t> scene(int seed, int scale)
{
    const int width = kPhotoWidth / scale;
    const int height = kPhotoHeight / scale;
    const int ballX = (80 + 60 * seed) / scale;
    const int ballY = (220 - 10 * seed) / scale;
    const int radius = 30 / scale;
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool ball = (x - ballX) * (x - ballX) + (y - ballY) * (y - ballY) <= radius * radius;
            const bool grass = y * scale > 200;
            const int shade = y * scale * 80 / kPhotoHeight;
            rgb.push_back(static_cast<std::uint8_t>(ball ? 250 : grass ? 60 : 120 + shade));
            rgb.push_back(static_cast<std::uint8_t>(ball ? 120 : grass ? 150 - seed * 10 : 170 + shade));
            rgb.push_back(static_cast<std::uint8_t>(ball ? 190 : grass ? 50 : 230));
        }
    }
    return rgb;
}

struct SamplePhoto {
    const char* number;  // "00001"
    PhotoTime taken;
};

void addPhoto(std::vector<StickImageFile>& files, const SamplePhoto& photo, int seed)
{
    const std::string folder = "OPEN-R\\APP\\PC\\PHOTO\\";
    files.push_back({folder + "IMG" + photo.number + ".JPG",
                     robotJpeg(scene(seed, 1), kPhotoWidth, kPhotoHeight, photo.taken)});
    files.push_back({folder + "THM" + photo.number + ".JPG",
                     robotJpeg(scene(seed, kThumbnailScale), kPhotoWidth / kThumbnailScale,
                               kPhotoHeight / kThumbnailScale, photo.taken)});
}

std::vector<std::uint8_t> tone(std::size_t samples, double hertz)
{
    constexpr double kPi = 3.14159265358979323846;
    std::vector<std::uint8_t> wave(samples);
    for (std::size_t at = 0; at < samples; ++at) {
        const double fade = std::min(1.0, static_cast<double>(std::min(at, samples - at)) / 800.0);
        wave[at] = static_cast<std::uint8_t>(std::lround(
            128.0 + 90.0 * fade * std::sin(2.0 * kPi * hertz * static_cast<double>(at) / 8000.0)));
    }
    return wave;
}

// Silence as the robot records it: 128, now and then 127 or 129.
std::vector<std::uint8_t> silence(std::size_t samples)
{
    std::vector<std::uint8_t> wave(samples, 128);
    for (std::size_t at = 97; at < samples; at += 211)
        wave[at] = static_cast<std::uint8_t>(at % 2 == 0 ? 127 : 129);
    return wave;
}

}  // namespace

std::vector<StickImageFile> samplePcFolderFiles()
{
    std::vector<StickImageFile> files;
    std::vector<IndexEntry> days;
    for (const SampleDay& day : kDays) {
        days.push_back({day.file, day.date, day.time});
        files.push_back({std::string("OPEN-R\\APP\\PC\\DIARY\\") + day.file, dayFile(day.step)});
    }
    files.push_back({"OPEN-R\\APP\\PC\\DIARY\\AIFILES.XML", diaryIndexXml(days)});

    const SamplePhoto photos[] = {{"00001", {2017, 5, 25, 4, 19, 20, 10}},
                                  {"00002", {2017, 5, 27, 6, 8, 15, 0}},
                                  {"00003", {2017, 5, 28, 0, 12, 0, 30}},
                                  {"00004", {2017, 5, 30, 2, 17, 45, 5}},
                                  {"00006", {2017, 5, 31, 3, 21, 10, 0}}};
    for (int index = 0; index < 5; ++index)
        addPhoto(files, photos[index], index);
    files.push_back(
        {"OPEN-R\\APP\\PC\\DIARY\\IMGFILES.XML",
         photoIndexXml(
             {{"OWNER", {{"IMG00001.JPG", "20170525", "192010"}, {"IMG00002.JPG", "20170527", "081500"}}},
              {"FAVORITE", {{"IMG00003.JPG", "20170528", "120030"}}},
              {"AUTONOMY",
               {{"IMG00004.JPG", "20170530", "174505"}, {"IMG00005.JPG", "20170531", "093000"}}}})});
    files.push_back(
        {"OPEN-R\\APP\\PC\\ALBUM\\IMG00000.JPG", plainJpeg(scene(5, 1), kPhotoWidth, kPhotoHeight)});

    for (int slot = 0; slot < 25; ++slot) {
        const std::size_t samples = slot < 20 ? 5 * 8000 : 20 * 8000;
        char name[32];
        std::snprintf(name, sizeof name, "OPEN-R\\APP\\PC\\VOICE\\%04d.WAV", slot);
        const bool recorded = slot == 0 || slot == 21;
        files.push_back(
            {name, voiceWave(recorded ? tone(samples, slot == 0 ? 440.0 : 660.0) : silence(samples))});
    }
    return files;
}

}  // namespace morvane::stickgen
