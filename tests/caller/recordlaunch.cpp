// Stands in for the sheet program in the caller's tests: writes its arguments and working
// directory into "launch-record.txt" in that directory, then ends.

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char *argv[])
{
    const std::filesystem::path cwd = std::filesystem::current_path();
    {
        std::ofstream out(cwd / "launch-record.tmp");
        out << "args=" << (argc - 1) << "\n";
        for (int i = 1; i < argc; ++i)
            out << "arg=" << argv[i] << "\n";
        out << "cwd=" << cwd.string() << "\n";
    }
    // Renamed into place, so the test never reads a half-written record.
    std::filesystem::rename(cwd / "launch-record.tmp", cwd / "launch-record.txt");
    return 0;
}
