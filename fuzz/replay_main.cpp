// Replays kept inputs through a fuzz target in the normal build, where libFuzzer is not linked:
// every file named on the command line, or found in a folder named there, goes through
// LLVMFuzzerTestOneInput once, in name order. A folder that does not exist is skipped (a target
// may have no regressions yet); replaying nothing at all fails, since the paths must be wrong.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

bool replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    // A copy of exactly the input's size, so that a read past its end is a read past the block.
    std::vector<uint8_t> input(bytes.begin(), bytes.end());
    std::fprintf(stderr, "replaying %s (%zu bytes)\n", file.c_str(), input.size());
    LLVMFuzzerTestOneInput(input.data(), input.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        std::error_code error;
        if (fs::is_directory(path, error)) {
            std::vector<fs::path> files;
            for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            }
            std::sort(files.begin(), files.end());
            for (const fs::path& file : files) {
                ok = replay(file) && ok;
                ++replayed;
            }
        } else if (fs::is_regular_file(path, error)) {
            ok = replay(path) && ok;
            ++replayed;
        } else {
            std::fprintf(stderr, "skipping %s: no such file or folder\n", path.c_str());
        }
    }
    std::fprintf(stderr, "replayed %d input(s)\n", replayed);
    return ok && replayed > 0 ? 0 : 1;
}
