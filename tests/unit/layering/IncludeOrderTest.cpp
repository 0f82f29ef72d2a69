// The order of the source folders, read from the #include lines of the
// repository. The folders stand in one total order, lowest first:
//
//   resources, winlib, settings  (each stands alone)
//   screen < keyboard < emulator < session < textsvc < app
//
// A file includes only its own folder and folders below it; a folder's
// win32/ subfolder belongs to the folder, but portable code never includes a
// win32/ file, and only win32/ files and winlib/ include <windows.h>.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The folders from the bottom up; folders of one rank may not include each
// other.
struct Folder {
    const char* name;
    int rank;
};
const Folder FolderOrder[] = {
    {"resources", 0}, {"winlib", 0},  {"settings", 0}, {"screen", 1}, {"keyboard", 2},
    {"emulator", 3},  {"session", 4}, {"textsvc", 5},  {"app", 6},
};

std::string TopFolder(const std::string& path) {
    return path.substr(0, path.find('/'));
}

int RankOf(const std::string& folder) {
    for (const Folder& f : FolderOrder)
        if (folder == f.name) return f.rank;
    return -1;
}

bool IsShellPath(const std::string& path) {
    return path.find("/win32/") != std::string::npos || TopFolder(path) == "winlib";
}

// Why file (relative to the source folder) may not include target, or an
// empty text when it may. A target in angle brackets is a system header.
std::string Breach(const std::string& file, const std::string& target) {
    if (target == "<windows.h>")
        return IsShellPath(file) ? "" : "portable code includes <windows.h>";
    std::string from = TopFolder(file);
    std::string to = TopFolder(target);
    if (RankOf(to) < 0) return "";
    if (!IsShellPath(file) && IsShellPath(target)) return "portable code includes a win32 file";
    if (to == from) return "";
    if (RankOf(from) <= RankOf(to)) return from + "/ includes " + to + "/, which is not below it";
    return "";
}

struct IncludeLine {
    std::string file;
    std::string target;
};

// The target of an #include line: the quoted path, "<windows.h>" for the
// system header (in any case), or an empty text.
std::string IncludeTarget(const std::string& line) {
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line[at] != '#') return "";
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line.compare(at, 7, "include") != 0) return "";
    at = line.find_first_not_of(" \t", at + 7);
    if (at == std::string::npos) return "";
    char close = line[at] == '"' ? '"' : line[at] == '<' ? '>' : 0;
    std::size_t end = close ? line.find(close, at + 1) : std::string::npos;
    if (end == std::string::npos) return "";
    std::string target = line.substr(at + 1, end - at - 1);
    if (close == '"') return target;
    for (char& c : target)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return target == "windows.h" ? "<windows.h>" : "";
}

std::vector<IncludeLine> ProjectIncludes() {
    const fs::path root = LUMO_SOURCE_DIR;
    std::vector<IncludeLine> found;
    for (const Folder& folder : FolderOrder) {
        if (!fs::exists(root / folder.name)) continue;
        for (const fs::directory_entry& entry :
             fs::recursive_directory_iterator(root / folder.name)) {
            std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            std::string file = entry.path().lexically_relative(root).generic_string();
            std::ifstream in(entry.path());
            for (std::string line; std::getline(in, line);) {
                std::string target = IncludeTarget(line);
                if (!target.empty()) found.push_back({file, target});
            }
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
        // Down the order, and within a folder, is allowed.
        {"app/win32/TerminalWindow.h", "emulator/Emulator.h", false},
        {"session/Session.h", "keyboard/KeySink.h", false},
        {"app/win32/BufferWindow.h", "screen/ScreenBuffer.h", false},
        {"screen/DisplaySettings.cpp", "settings/Profile.h", false},
        {"emulator/TerminalSettingsForm.cpp", "resources/resource.h", false},
        {"app/win32/CommandWindow.h", "app/CommandTable.h", false},
        // Up the order, or sideways between folders of one rank, is not.
        {"screen/win32/BufferWindow.h", "app/win32/WindowMessages.h", true},
        {"emulator/win32/EmulatorWindow.cpp", "textsvc/MenuHelp.h", true},
        {"keyboard/KeyQueue.h", "session/SendQueue.h", true},
        {"winlib/Application.h", "settings/Profile.h", true},
        {"settings/Profile.h", "winlib/Window.h", true},
        {"settings/IniProfile.cpp", "screen/Cell.h", true},
        // Portable code reaches neither win32 files nor <windows.h>.
        {"textsvc/SelectionCopy.h", "textsvc/win32/ClipboardCopy.h", true},
        {"emulator/Emulator.cpp", "<windows.h>", true},
        {"textsvc/win32/Printing.cpp", "<windows.h>", false},
        {"winlib/Window.h", "<windows.h>", false},
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
