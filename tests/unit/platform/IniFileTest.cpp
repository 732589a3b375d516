// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Error.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The size and the first bytes: enough to see a change without reading a huge file whole.
std::string Fingerprint(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string head(4096, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return std::to_string(fs::file_size(path)) + ':' + head;
}

void WriteFile(const fs::path& path, std::string_view content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::set<std::string> NamesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class IniFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ini-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    fs::path folder_;
};

TEST_F(IniFileTest, MissingFileReadsAsEmptyAndIsNotCreatedByReading) {
    TIniFile ini((folder_ / "none.ini").string());
    EXPECT_EQ(ini.ReadString("Options", "startup", "ERROR"), "ERROR");
    EXPECT_EQ(ini.ReadInteger("Options", "save", -1), -1);
    EXPECT_FALSE(ini.SectionExists("Options"));
    EXPECT_FALSE(ini.ValueExists("Options", "save"));
    EXPECT_TRUE(ini.ReadSectionValues("Options").empty());
    ini.EraseSection("Options");
    EXPECT_TRUE(NamesIn(folder_).empty());
}

TEST_F(IniFileTest, ReadsIntegersFromTrimmedValues) {
    const fs::path path = folder_ / "vlr.ini";
    WriteFile(path, "[Font]\r\nfontsize= 5 \r\nhex=0x3\r\nword=big\r\nempty=\r\n");
    const TIniFile ini(path.string());
    EXPECT_EQ(ini.ReadInteger("font", "FONTSIZE", -1), 5);
    EXPECT_EQ(ini.ReadInteger("Font", "hex", -1), 3);
    EXPECT_EQ(ini.ReadInteger("Font", "word", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Font", "empty", 6), 6);
    EXPECT_EQ(ini.ReadInteger("Font", "missing", 6), 6);
    EXPECT_TRUE(ini.ValueExists("Font", "empty"));
}

// A style file written key by key into a new file, then saved again over itself with a
// shorter list of alternate faces: the list must not keep the old tail, and saving the same
// style twice must give the same bytes.
TEST_F(IniFileTest, StyleFileWrittenKeyByKeyStaysTidy) {
    const fs::path path = folder_ / "Default.vls";
    TIniFile ini(path.string());
    const auto save = [&ini](std::initializer_list<const char*> altFaces) {
        for (const auto& [key, value] : {std::pair{"colorBG", "000000"}, {"colorText", "FFFFFF"}}) {
            ini.WriteString("Body", key, value);
        }
        ini.WriteString("Font", "faceFont", "Comic Sans MS");
        ini.WriteInteger("Font", "fontsize", 6);
        ini.EraseSection("AltFonts");
        int n = 0;
        for (const char* face : altFaces) {
            ini.WriteString("AltFonts", "AltFonts" + std::to_string(n++), face);
        }
    };
    save({"Arial", "Verdana", "Tahoma"});
    save({"Arial"});
    const std::string expected =
        "[Body]\ncolorBG=000000\ncolorText=FFFFFF\n\n"
        "[Font]\nfaceFont=Comic Sans MS\nfontsize=6\n\n"
        "[AltFonts]\nAltFonts0=Arial\n";
    EXPECT_EQ(ReadFile(path), expected);
    save({"Arial"});
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_EQ(NamesIn(folder_), std::set<std::string>{"Default.vls"});
}

TEST_F(IniFileTest, WriteKeepsUntouchedBytesAndPermissions) {
    const fs::path path = folder_ / "style.vls";
    WriteFile(path, "; mine\r\n[Font]\r\n caption = old \r\nx=1\r\nx=2\r\n\r\n[Other]\r\nk = v\r\n");
    ::chmod(path.c_str(), 0640);
    TIniFile ini(path.string());
    ini.WriteString("FONT", "Caption", "new\r\ntext");
    EXPECT_EQ(ReadFile(path),
              "; mine\r\n[Font]\r\nCaption=new text\r\nx=1\r\nx=2\r\n\r\n[Other]\r\nk = v\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(IniFileTest, WritesThroughASymbolicLink) {
    const fs::path target = folder_ / "real.ini";
    const fs::path link = folder_ / "link.ini";
    WriteFile(target, "[S]\nk=1\n");
    fs::create_symlink(target, link);
    TIniFile(link.string()).WriteString("S", "k", "2");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(target), "[S]\nk=2\n");
}

TEST_F(IniFileTest, ReadsBinaryJunkWithoutHarm) {
    const fs::path path = folder_ / "junk.ini";
    std::string junk;
    std::uint32_t state = 12345;
    for (int i = 0; i < 1 << 20; ++i) {
        state = state * 1664525 + 1013904223;
        junk += static_cast<char>(state >> 24);
    }
    WriteFile(path, junk + "\n[S]\nk=found\n");
    const TIniFile ini(path.string());
    EXPECT_EQ(ini.ReadString("S", "k", "ERROR"), "found");
}

// A failed change must report the path as given and why, leave the file as it was and leave
// no temporary file behind.
struct FailureCase {
    const char* name;
    std::function<fs::path(const fs::path& folder)> prepare;  // returns the path to write
    bool needsUnprivileged;
    const char* reason;  // the system's words, on the message's second line
};

void PrintTo(const FailureCase& row, std::ostream* out) { *out << row.name; }

class IniFileFailure : public IniFileTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(IniFileFailure, ReportsAndChangesNothing) {
    if (GetParam().needsUnprivileged && ::geteuid() == 0) {
        // scripts/test runs the rows named "...Unprivileged" again as an ordinary user.
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    const fs::path path = GetParam().prepare(folder_);
    const bool existed = fs::is_regular_file(path);
    const std::string before = existed ? Fingerprint(path) : "";
    const std::set<std::string> names = NamesIn(folder_);

    TIniFile ini(path.string());
    std::vector<std::function<void()>> changes = {[&] { ini.WriteString("S", "k", std::string(100, 'v')); }};
    if (fs::exists(path)) {
        changes.push_back([&] { ini.EraseSection("S"); });  // a missing file has nothing to erase
    }
    for (const auto& change : changes) {
        try {
            change();
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Unable to write to " + path.string() + "\n" + GetParam().reason);
        }
        if (existed) {
            EXPECT_EQ(Fingerprint(path), before);
        }
        EXPECT_EQ(NamesIn(folder_), names);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IniFileFailure,
    testing::Values(FailureCase{"ReadOnlyFile",
                                [](const fs::path& folder) {
                                    WriteFile(folder / "ro.ini", "[S]\nk=old\n");
                                    fs::permissions(folder / "ro.ini",
                                                    fs::perms::owner_read | fs::perms::group_read);
                                    return folder / "ro.ini";
                                },
                                false, "Permission denied"},
                    FailureCase{"MissingFolder",
                                [](const fs::path& folder) { return folder / "gone" / "x.ini"; }, false,
                                "No such file or directory"},
                    FailureCase{"TargetIsAFolder",
                                [](const fs::path& folder) {
                                    fs::create_directories(folder / "dir.ini" / "inside");
                                    return folder / "dir.ini";
                                },
                                false, "Is a directory"},
                    // Far larger than any real settings file: refused rather than read into memory.
                    FailureCase{"HugeFile",
                                [](const fs::path& folder) {
                                    WriteFile(folder / "huge.ini", "[S]\nk=old\n");
                                    fs::resize_file(folder / "huge.ini", 65 * 1024 * 1024);
                                    return folder / "huge.ini";
                                },
                                false, "File too large"},
                    // An existing file there is rewritten in place; a new one cannot be made.
                    FailureCase{"NewFileInUnwritableFolderUnprivileged",
                                [](const fs::path& folder) {
                                    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
                                    return folder / "new.ini";
                                },
                                true, "Permission denied"},
                    FailureCase{"UnreadableFileUnprivileged",
                                [](const fs::path& folder) {
                                    WriteFile(folder / "wo.ini", "[S]\nk=old\n");
                                    fs::permissions(folder / "wo.ini", fs::perms::owner_write);
                                    return folder / "wo.ini";
                                },
                                true, "Permission denied"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// A disk that fills up halfway through the write: the file size limit stands in for it.
TEST_F(IniFileTest, DiskFullMidWriteLeavesTheOldFile) {
    const fs::path path = folder_ / "full.ini";
    const std::string before = "[S]\nk=old\n";
    WriteFile(path, before);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    try {
        TIniFile(path.string()).WriteString("S", "k", std::string(200, 'v'));
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path.string() + "\nFile too large");
    }

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(NamesIn(folder_), std::set<std::string>{"full.ini"});
}

TEST_F(IniFileTest, WritableFileInAnUnwritableFolderIsRewrittenInPlaceUnprivileged) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    const fs::path path = folder_ / "vlr.ini";
    WriteFile(path, "[Options]\nstartup=/a/long/old/path.vls\nsave=1\n");
    ::chmod(path.c_str(), 0640);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);

    TIniFile ini(path.string());
    ini.WriteString("Options", "startup", "/b.vls");
    EXPECT_EQ(ReadFile(path), "[Options]\nstartup=/b.vls\nsave=1\n") << "shorter: cut to length";
    ini.WriteString("Options", "startup", std::string(300, 'x'));
    EXPECT_EQ(ini.ReadString("Options", "startup", ""), std::string(300, 'x')) << "longer";
    EXPECT_EQ(NamesIn(folder_), std::set<std::string>{"vlr.ini"});
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, not a replacement";
}

// A file replaced by a user who is not its owner (the superuser here) stays its owner's.
TEST_F(IniFileTest, ReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can hand a file to another user";
    constexpr uid_t kNobody = 65534;
    constexpr gid_t kNoGroup = 65534;
    const fs::path path = folder_ / "style.vls";
    WriteFile(path, "[Font]\ncaption=old\n");
    ASSERT_EQ(::chown(path.c_str(), kNobody, kNoGroup), 0);
    ::chmod(path.c_str(), 0664);
    TIniFile(path.string()).WriteString("Font", "caption", "new");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kNobody);
    EXPECT_EQ(info.st_gid, kNoGroup);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
    EXPECT_EQ(ReadFile(path), "[Font]\ncaption=new\n");
}

// A file keeps its encoding through a change, until a value needs more than Windows-1252.
TEST_F(IniFileTest, WritesAFileBackInItsOwnEncoding) {
    const fs::path ansi = folder_ / "ansi.vls";
    WriteFile(ansi, "[Font]\r\ncaption=Caf\xE9\r\nfaceFont=x\r\n");
    TIniFile ansiIni(ansi.string());
    EXPECT_EQ(ansiIni.ReadString("Font", "caption", ""), "Caf\xC3\xA9");
    ansiIni.WriteString("Font", "faceFont", "\xE2\x82\xAC");
    EXPECT_EQ(ReadFile(ansi), "[Font]\r\ncaption=Caf\xE9\r\nfaceFont=\x80\r\n");
    ansiIni.WriteString("Font", "faceFont", "\xE6\x97\xA5");
    EXPECT_EQ(ReadFile(ansi), "[Font]\r\ncaption=Caf\xC3\xA9\r\nfaceFont=\xE6\x97\xA5\r\n");

    const fs::path wide = folder_ / "wide.vls";
    WriteFile(wide, std::string("\xFF\xFE[\0F\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0", 22));
    TIniFile wideIni(wide.string());
    EXPECT_EQ(wideIni.ReadString("F", "k", ""), "\xC3\xA9");
    wideIni.WriteString("F", "n", "1");
    EXPECT_EQ(ReadFile(wide),
              std::string("\xFF\xFE[\0F\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0n\0=\0001\0\r\0\n\0", 32));
}

TEST_F(IniFileTest, ReadAllTellsAnUnreadableFileFromAMissingOne) {
    EXPECT_EQ(TIniFile((folder_ / "none.vls").string()).ReadAll().Text(), "");
    fs::create_directory(folder_ / "dir.vls");
    WriteFile(folder_ / "huge.vls", "[Font]\n");
    fs::resize_file(folder_ / "huge.vls", 65 * 1024 * 1024);
    for (const char* name : {"dir.vls", "huge.vls"}) {
        const std::string path = (folder_ / name).string();
        try {
            TIniFile(path).ReadAll();
            ADD_FAILURE() << name;
        } catch (const ReadError& error) {
            EXPECT_EQ(error.what(), "Unable to read " + path);
        }
    }
}

}  // namespace
}  // namespace platform
