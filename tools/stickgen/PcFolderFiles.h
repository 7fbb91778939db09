// The files of the robot's PC folder, written as the robot writes them: XML in ISO-8859-1
// with CR LF lines, JPEG photos with the capture-time segment, 8 kHz 8-bit mono WAV.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace morvane::stickgen {

struct IndexEntry {
    std::string file;
    std::string date;  // yyyymmdd
    std::string time;  // hhmmss
};

// AIFILES.XML: the entries in the order given.
std::vector<std::uint8_t> diaryIndexXml(const std::vector<IndexEntry>& entries);
// IMGFILES.XML: for each category (its ID) its entries.
std::vector<std::uint8_t>
photoIndexXml(const std::vector<std::pair<std::string, std::vector<IndexEntry>>>& photos);

// A day file: its groups in order, each with its elements and values, e.g.
// {"SKILL", {{"BALL", "1234"}, ...}}. Text is ISO-8859-1.
using DiaryGroup = std::pair<std::string, std::vector<std::pair<std::string, std::string>>>;
std::vector<std::uint8_t> diaryDayXml(const std::vector<DiaryGroup>& groups);

struct PhotoTime {
    int year, month, day, weekday, hour, minute, second;
};

// A baseline JPEG of `rgb` (width x height, three bytes a pixel, rows top down).
std::vector<std::uint8_t> plainJpeg(const std::vector<std::uint8_t>& rgb, int width, int height);

// A baseline JPEG of `rgb` (width x height, three bytes a pixel, rows top down) with the
// robot's capture-time segment after the JFIF segment, holding `time` and eight more
// bytes the program does not read.
std::vector<std::uint8_t> robotJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                    const PhotoTime& time);

// A RIFF WAVE file of 8 kHz 8-bit mono PCM holding `samples`.
std::vector<std::uint8_t> voiceWave(const std::vector<std::uint8_t>& samples);

}  // namespace morvane::stickgen
