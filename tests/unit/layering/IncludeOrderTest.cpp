// The order of the source folders, read from the #include lines of the
// repository: the class library stands alone, the portable core never
// reaches into the program's shell, the keyboard reaches the session only
// through its own sink, and the screen knows nothing of keys.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> ProjectFolders = {"app",    "emulator", "keyboard", "resources",
                                                 "screen", "session",  "textsvc",  "winlib"};

std::string TopFolder(const std::string& path) {
    return path.substr(0, path.find('/'));
}

bool IsShellPath(const std::string& path) {
    return path.find("/win32/") != std::string::npos || TopFolder(path) == "winlib";
}

bool IsProjectFolder(const std::string& folder) {
    for (const std::string& name : ProjectFolders)
        if (name == folder) return true;
    return false;
}

// Why file (relative to the source folder) may not include target, or an
// empty text when it may.
std::string Breach(const std::string& file, const std::string& target) {
    std::string from = TopFolder(file);
    std::string to = TopFolder(target);
    if (!IsProjectFolder(to)) return "";
    if (!IsShellPath(file) && IsShellPath(target)) return "portable code includes the shell";
    if (to == from) return "";
    if (from == "winlib") return "the class library includes another project folder";
    if (!IsShellPath(file) && to == "app") return "portable code includes app/";
    if (from == "keyboard" && to == "session") return "the keyboard includes the session";
    if (from == "screen" && to == "keyboard") return "the screen includes the keyboard";
    return "";
}

struct IncludeLine {
    std::string file;
    std::string target;
};

std::vector<IncludeLine> ProjectIncludes() {
    const fs::path root = LUMO_SOURCE_DIR;
    const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<IncludeLine> found;
    for (const std::string& folder : ProjectFolders) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
            std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            std::string file = entry.path().lexically_relative(root).generic_string();
            std::ifstream in(entry.path());
            std::smatch match;
            for (std::string line; std::getline(in, line);)
                if (std::regex_search(line, match, include)) found.push_back({file, match[1]});
        }
    }
    return found;
}

TEST(IncludeOrder, RulesTellAllowedIncludesFromBreaches) {
    struct Case {
        const char* file;
        const char* target;
        bool breach;
    } cases[] = {
        {"winlib/Application.h", "app/CommandLine.h", true},
        {"winlib/Window.cpp", "winlib/Window.h", false},
        {"screen/SizeItem.h", "app/WindowSettings.h", true},
        {"screen/ScrollBack.cpp", "keyboard/VirtualKeys.h", true},
        {"screen/win32/BufferWindow.h", "keyboard/KeyQueue.h", true},
        {"keyboard/KeyQueue.h", "session/SendQueue.h", true},
        {"session/Session.h", "keyboard/KeySink.h", false},
        {"emulator/Emulator.cpp", "screen/win32/BufferWindow.h", true},
        {"textsvc/SelectionCopy.h", "textsvc/win32/ClipboardCopy.h", true},
        {"app/MenuState.cpp", "app/MenuState.h", false},
        {"app/win32/TerminalWindow.h", "emulator/win32/EmulatorWindow.h", false},
        {"emulator/win32/EmulatorWindow.h", "app/win32/CommandWindow.h", false},
        {"emulator/Emulator.h", "screen/ScreenBuffer.h", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(!Breach(c.file, c.target).empty(), c.breach) << c.file << " -> " << c.target;
}

TEST(IncludeOrder, EveryProjectIncludeKeepsTheFolderOrder) {
    std::vector<IncludeLine> includes = ProjectIncludes();
    // The scan must have read the tree, not an empty or wrong folder.
    ASSERT_GT(includes.size(), 200u);
    std::string breaches;
    for (const IncludeLine& line : includes) {
        std::string why = Breach(line.file, line.target);
        if (!why.empty()) breaches += line.file + " -> " + line.target + ": " + why + "\n";
    }
    EXPECT_EQ(breaches, "");
}

} // namespace
