// Temporary stick directories for tests, named uniquely per process and per stick.
#include "tests/support/TempStick.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace morvane::test {
namespace {

std::filesystem::path uniqueDirectory()
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::filesystem::temp_directory_path() /
           ("morvane-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
}

std::filesystem::path hostPath(const std::filesystem::path& root, std::string_view stickPath)
{
    std::filesystem::path result = root;
    std::size_t start = 0;
    while (start <= stickPath.size()) {
        std::size_t end = stickPath.find_first_of("/\\", start);
        if (end == std::string_view::npos)
            end = stickPath.size();
        if (end > start)
            result /= std::string(stickPath.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

}  // namespace

TempStick::TempStick() : dir_(uniqueDirectory()) { std::filesystem::create_directories(dir_); }

TempStick::~TempStick()
{
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string TempStick::rootPath() const { return dir_.string(); }

StickRoot TempStick::stickRoot() const
{
    StickRoot stick;
    stick.rootPath = rootPath();
    return stick;
}

void TempStick::write(std::string_view path, std::span<const std::uint8_t> bytes) const
{
    const std::filesystem::path target = hostPath(dir_, path);
    std::filesystem::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write test file " + target.string());
}

void TempStick::write(std::string_view path, std::string_view text) const
{
    write(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::vector<std::uint8_t> TempStick::read(std::string_view path) const
{
    std::ifstream in(hostPath(dir_, path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TempStick::remove(std::string_view path) const { std::filesystem::remove(hostPath(dir_, path)); }

}  // namespace morvane::test
