// SPDX-License-Identifier: GPL-3.0-or-later
// pack.ini: a sound file read whole, every line that cannot be read named by line and column,
// a missing, unreadable or half-written file refused, and a save that keeps the author's
// comments, replaces the file whole and loses nothing when it cannot be made.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "packs/pack_check.h"
#include "packs/pack_fixture.h"
#include "packs/pack_folder.h"
#include "packs/pack_info.h"
#include "support/sim_runner.h"

namespace {

std::vector<std::string> texts(const std::vector<PackMessage>& messages) {
    std::vector<std::string> out;
    for (const PackMessage& m : messages) out.push_back(m.to_string());
    return out;
}

}  // namespace

TEST(PackIni, ASoundFileIsReadWithItsCommentsSpacesAndAByteOrderMark) {
    PackInfo info;
    std::vector<PackMessage> messages;
    const std::string text =
        "\xEF\xBB\xBF# my pack\n"
        "id = my-pack-2\n"
        "  title=Über die Brücke  \r\n"
        "author = Jörg & Ana\n"
        "\n"
        "licence = CC-BY-SA-4.0 OR MIT\n"
        "version = 1.0-beta+2\n"
        "description =\n";
    EXPECT_TRUE(parse_pack_ini(text, "pack.ini", info, messages)) << texts(messages)[0];
    EXPECT_EQ(info.id, "my-pack-2");
    EXPECT_EQ(info.title, "Über die Brücke");
    EXPECT_EQ(info.author, "Jörg & Ana");
    EXPECT_EQ(info.licence, "CC-BY-SA-4.0 OR MIT");
    EXPECT_EQ(info.version, "1.0-beta+2");
    EXPECT_EQ(info.description, "");

    // Written back over the author's text, only the values change; afresh, every key is there.
    info.title = "Over the bridge";
    const std::string again = format_pack_ini(info, text);
    EXPECT_EQ(again,
              "# my pack\nid = my-pack-2\ntitle = Over the bridge\nauthor = Jörg & Ana\n\n"
              "licence = CC-BY-SA-4.0 OR MIT\nversion = 1.0-beta+2\ndescription =\n");
    for (const std::string& written : {again, format_pack_ini(info)}) {
        PackInfo back;
        std::vector<PackMessage> none;
        EXPECT_TRUE(parse_pack_ini(written, "pack.ini", back, none));
        EXPECT_EQ(back.title, "Over the bridge");
        EXPECT_EQ(back.licence, info.licence);
    }
}

TEST(PackIni, EveryLineThatCannotBeReadAndEveryKeyMissingIsNamed) {
    PackInfo info;
    std::vector<PackMessage> messages;
    const std::string text =
        "id = My Pack\n"  // 1: not an id
        "title = " +
        std::string(41, 'x') +
        "\n"                          // 2: too long
        "colour = green\n"            // 3: unknown key
        "just words\n"                // 4: no '='
        "licence = GPL 3\n"           // 5: not an SPDX identifier
        "title = Again\n"             // 6: a second title
        "version = 1 0\n"             // 7: a space in the version
        "description = tab\there\n";  // 8: a control character
    EXPECT_FALSE(parse_pack_ini(text, "p/pack.ini", info, messages));
    const std::vector<std::string> expected = {
        "p/pack.ini:1:6: the id may hold only lower-case letters, digits and '-' (not first), at "
        "most 32",
        "p/pack.ini:2:9: the title is longer than 40 characters",
        "p/pack.ini:3:1: unknown key 'colour' (the keys are id, title, author, licence, version "
        "and description)",
        "p/pack.ini:4:1: not a 'key = value' line",
        "p/pack.ini:5:11: the licence must be an SPDX identifier, such as CC-BY-SA-4.0",
        "p/pack.ini:6:1: 'title' given twice (first on line 2)",
        "p/pack.ini:7:11: the version may hold only letters, digits and . - + ~, at most 20",
        "p/pack.ini:8:15: the description must be UTF-8 text without control characters",
        "p/pack.ini: no 'author = ...' line: a pack names its id, title, author, licence and "
        "version",
    };
    EXPECT_EQ(texts(messages), expected);
    // What was refused is not kept: the record holds only what may stand.
    EXPECT_EQ(info.id, "");
    EXPECT_EQ(info.title, "");
    EXPECT_EQ(pack_value_problem("title", "\xC3"),
              "the title must be UTF-8 text without control characters");
    EXPECT_EQ(pack_value_problem("id", "-x"), pack_value_problem("id", "A"));
    EXPECT_EQ(pack_value_problem("size", "1"), "unknown key 'size'");
    EXPECT_TRUE(valid_pack_id("first-steps"));
    EXPECT_FALSE(valid_pack_id(std::string(33, 'a')));
}

TEST(PackIni, AMissingUnreadableOrUnknownKeyFileKeepsThePackFromBeingPlayed) {
    const std::string base = scratch_folder("pack_ini");
    const std::string area = PlainArea(1, 1).text();
    // No pack.ini at all.
    write_pack(base + "/none", "", {{{1, 1}, area}});
    CheckedPack none = check_pack(base + "/none");
    EXPECT_FALSE(none.playable());
    ASSERT_FALSE(none.messages.empty());
    EXPECT_EQ(none.messages[0].to_string(),
              base +
                  "/none/pack.ini: missing: a pack folder holds a pack.ini naming the pack's "
                  "id, title, author, licence and version");
    EXPECT_EQ(none.info.id, "none") << "the folder's name stands in for the id";
    // A folder where pack.ini should be cannot be read.
    write_pack(base + "/folder", "", {{{1, 1}, area}});
    mkdir((base + "/folder/pack.ini").c_str(), 0755);
    const CheckedPack folder = check_pack(base + "/folder");
    ASSERT_EQ(folder.messages.size(), 1u);
    EXPECT_EQ(folder.messages[0].to_string(), base + "/folder/pack.ini: cannot be read");
    // An unknown key.
    write_pack(base + "/odd", pack_ini("odd") + "colour = green\n", {{{1, 1}, area}});
    const CheckedPack odd = check_pack(base + "/odd");
    ASSERT_EQ(odd.messages.size(), 1u);
    EXPECT_EQ(odd.messages[0].line, 7);
    EXPECT_EQ(odd.messages[0].text.rfind("unknown key 'colour'", 0), 0u);
    EXPECT_EQ(odd.info.id, "odd");
}

TEST(PackIni, AFileThePlayerMayNotReadIsRefusedAsUnreadable) {
    const std::string base = scratch_folder("pack_unreadable");
    write_pack(base + "/p", pack_ini("p"), {{{1, 2}, PlainArea(1, 2).text()}});
    chmod((base + "/p/pack.ini").c_str(), 0);
    chmod((base + "/p/map1.2.txt").c_str(), 0);
    chmod(base.c_str(), 0755);
    // Root reads anything: the check runs as a plain user.
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_ends[0]);
        if (getuid() == 0 && setuid(65534) != 0) _exit(3);
        const CheckedPack p = check_pack(base + "/p");
        std::string all;
        for (const PackMessage& m : p.messages) all += m.to_string() + "\n";
        if (write(pipe_ends[1], all.data(), all.size()) < 0) _exit(4);
        _exit(p.playable() ? 1 : 0);
    }
    close(pipe_ends[1]);
    std::string said;
    char buf[512];
    for (ssize_t n; (n = read(pipe_ends[0], buf, sizeof buf)) > 0;)
        said.append(buf, static_cast<size_t>(n));
    close(pipe_ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << said;
    EXPECT_EQ(said,
              base + "/p/pack.ini: cannot be read\n" + base + "/p/map1.2.txt: cannot be read\n");
}

TEST(PackIni, ASaveKeepsTheCommentsReplacesTheFileWholeAndRefusesBadValues) {
    const std::string folder = scratch_folder("pack_save") + "/new/pack";
    PackInfo info;
    info.id = "new-pack";
    info.title = "New";
    info.author = "Me";
    info.licence = "CC0-1.0";
    info.version = "0.1";
    std::string why;
    ASSERT_TRUE(write_pack_ini(folder, info, why)) << why;
    PackInfo back;
    std::vector<PackMessage> messages;
    EXPECT_TRUE(read_pack_ini(folder, back, messages));
    EXPECT_EQ(back.title, "New");
    // The author's own note stays through the next save; no scratch file is left behind.
    write_text(folder + "/pack.ini", "# made by hand\n" + slurp(folder + "/pack.ini"));
    info.title = "Newer";
    ASSERT_TRUE(write_pack_ini(folder, info, why)) << why;
    EXPECT_EQ(slurp(folder + "/pack.ini").rfind("# made by hand\n", 0), 0u);
    EXPECT_EQ(slurp(folder + "/pack.ini.new"), "");
    // A bad value is refused before anything is written.
    info.id = "Bad Id";
    EXPECT_FALSE(write_pack_ini(folder, info, why));
    EXPECT_NE(why.find("lower-case"), std::string::npos) << why;
    EXPECT_NE(slurp(folder + "/pack.ini").find("title = Newer"), std::string::npos);
    // A folder that cannot be made is said so.
    info.id = "new-pack";
    write_text(folder + "/file", "");
    EXPECT_FALSE(write_pack_ini(folder + "/file/deeper", info, why));
    EXPECT_NE(why.find("cannot be made"), std::string::npos) << why;
}
