// The settings-file reader against every rokan.ini a fuzzer can think of. The
// input bytes are the whole file; an independent reading of the same bytes
// decides what the reader must have done, and any difference aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "../unit/fakes.h"
#include "file_system.h"
#include "first_line.h"
#include "module1.h"

namespace {

using namespace rokan;
using rokan::test::Journal;

constexpr char kDefaultLine[] = "position= 165, 45, 4500, 2115\r\n";
constexpr std::size_t kLineLimit = 4096;
constexpr long long kMinimums[4] = {165, 45, 4500, 2115};
const std::wstring kFolder = L"C:\\Tools\\";
const std::wstring kSettingsPath = kFolder + L"rokan.ini";

#define EXPECT_OR_ABORT(condition)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "reader invariant broken: %s (line %d)\n", #condition, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// Keeps the disk out of the loop so the fuzzer runs thousands of files a second.
class MemoryFileSystem final : public FileSystem {
public:
    std::optional<std::string> readFirstLine(const std::wstring& path, std::size_t maxBytes) override {
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        // As much as the machine's reader asks for, so a long file is cut where it would be.
        const std::string& bytes = found->second;
        const std::string head = bytes.substr(0, maxBytes + 2);
        return firstLineOf(head, head.size() == bytes.size(), maxBytes);
    }
    void writeFile(const std::wstring& path, const std::string& bytes) override { files[path] = bytes; }
    void replaceFile(const std::wstring& from, const std::wstring& to) override {
        const auto found = files.find(from);
        if (found == files.end()) throw Failure{};
        files[to] = found->second;
        files.erase(from);
    }
    void removeFile(const std::wstring& path) noexcept override { files.erase(path); }

    std::map<std::wstring, std::string> files;
};

// Deliberately another way of reading a number than the program's: saturating
// accumulation, and the fraction compared as text against "5".
std::optional<long long> referenceNumber(std::string text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.back())) text.pop_back();
    std::size_t i = 0;
    while (i < text.size() && blank(text[i])) ++i;
    const bool minus = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    long long whole = 0;
    std::string fraction;
    bool point = false;
    int digits = 0;
    for (; i < text.size(); ++i) {
        if (text[i] == '.' && !point) {
            point = true;
            continue;
        }
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        ++digits;
        if (point) {
            fraction += text[i];
        } else {
            whole = std::min(whole * 10 + (text[i] - '0'), 1LL << 40);
        }
    }
    if (digits == 0) return std::nullopt;
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (fraction > "5" || (fraction == "5" && whole % 2 == 1)) ++whole;
    const long long value = minus ? -whole : whole;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return value;
}

// The four numbers of the file, or nothing when the program must fall back to the default line.
std::optional<std::vector<long long>> referenceValues(const std::string& file) {
    const std::string line = file.substr(0, file.find_first_of("\r\n"));
    if (file.empty() || line.size() > kLineLimit) return std::nullopt;
    const std::size_t equals = line.find('=');
    const std::string rest = equals == std::string::npos ? line : line.substr(equals + 1);
    std::vector<std::string> parts(1);
    for (char c : rest) {
        if (c == ',') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    // A fifth field stands in for the fourth; with more, the last number holds a comma.
    if (parts.size() == 5) parts.erase(parts.begin() + 3);
    if (parts.size() != 4) return std::nullopt;
    std::vector<long long> values;
    for (const std::string& part : parts) {
        const auto value = referenceNumber(part);
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    const auto values = referenceValues(file);

    Journal journal;
    test::FakeView view{journal};
    test::FakeDialogs dialogs{journal};
    test::FakeProcess process{journal};
    process.folder = L"C:\\Tools";
    MemoryFileSystem files;
    files.files[kSettingsPath] = file;
    Module1 module{view, dialogs, process, files};

    // Where the window must end up, replayed on a view of the same monitor.
    Journal expected;
    bool keepsFile = false;
    if (values) {
        keepsFile = true;
        test::FakeView probe{expected};
        float placed[4];
        for (int i = 0; i < 4; ++i) {
            keepsFile = keepsFile && (*values)[i] >= kMinimums[i];
            placed[i] = static_cast<float>(std::max((*values)[i], kMinimums[i]));
        }
        probe.setLeft(placed[0]);
        probe.setTop(placed[1]);
        probe.setWidth(placed[2]);
        probe.setHeight(placed[3]);
        if (!probe.onAnyMonitor()) {
            probe.setLeft(static_cast<float>(kMinimums[0]));
            probe.setTop(static_cast<float>(kMinimums[1]));
        }
    }

    // Started at the wrong answer, so a path that never sets it shows.
    bool ok = !keepsFile;
    module.iniRead(ok);

    EXPECT_OR_ABORT(ok == keepsFile);
    EXPECT_OR_ABORT(journal == expected);
    EXPECT_OR_ABORT(files.files.size() == 1);
    EXPECT_OR_ABORT(files.files.count(kSettingsPath) == 1);
    EXPECT_OR_ABORT(files.files[kSettingsPath] == (keepsFile ? file : std::string(kDefaultLine)));
    return 0;
}
