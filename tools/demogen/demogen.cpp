// Writes the three attract-demo recordings (demodata.01 .. .03) into a directory: 1000 records
// of three little-endian 32-bit integers (direction, jump, turbo), ending with a direction 3.
// The input is a plain pattern: run right with turbo and jump at a steady beat.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRecords = 1000;
constexpr int kPlayedFrames = 960;  // the rest of the file is end markers
constexpr int kRight = 2;
constexpr int kEndMarker = 3;

struct Record {
    int32_t direction;
    int32_t jump;
    int32_t turbo;
};

std::vector<Record> pattern(int recording) {
    // Each recording jumps to its own beat so the three runs look different.
    const int beat = 36 + 6 * recording;
    std::vector<Record> records(kRecords, Record{kEndMarker, 0, 0});
    for (int k = 0; k < kPlayedFrames; ++k) {
        const bool stand = k < 30;  // a short look at the area before the run
        records[k] = Record{stand ? 0 : kRight, (!stand && k % beat == 0) ? 1 : 0, 1};
    }
    return records;
}

void put_int(std::vector<unsigned char>& out, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>(v >> shift));
}

bool write_recording(const std::string& path, const std::vector<Record>& records) {
    std::vector<unsigned char> bytes;
    for (const Record& r : records) {
        put_int(bytes, r.direction);
        put_int(bytes, r.jump);
        put_int(bytes, r.turbo);
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: varnoth-demogen OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    for (int n = 1; n <= 3; ++n) {
        const std::string path = dir + "/demodata.0" + std::to_string(n);
        if (!write_recording(path, pattern(n))) {
            std::fprintf(stderr, "varnoth-demogen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
