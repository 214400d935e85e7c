// SPDX-License-Identifier: GPL-3.0-or-later
// Object lists that tolerate removal during a walk, and streams, paths and embedded data.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "platform/platform.h"

namespace {
struct Thing {
    int id;
};
}  // namespace

TEST(TList, RemovalDuringWalkKeepsTheWalkAndTheObject) {
    TList<Thing> list;
    for (int i = 0; i < 5; ++i) list.AddLast(Thing{i});
    std::vector<int> visited;
    list.ForEach([&](Thing& t) {
        visited.push_back(t.id);
        if (t.id == 1) {
            list.Remove(&t);     // removes itself ...
            EXPECT_EQ(t.id, 1);  // ... and is still valid for the rest of its turn
        }
        if (t.id == 2) list.Remove(list.First());  // removes one already visited
        if (t.id == 3) list.AddLast(Thing{9});     // added during the walk: visited too
    });
    EXPECT_EQ(visited, (std::vector<int>{0, 1, 2, 3, 4, 9}));
    std::vector<int> left;
    list.ForEach([&](Thing& t) { left.push_back(t.id); });
    EXPECT_EQ(left, (std::vector<int>{2, 3, 4, 9}));
    EXPECT_EQ(list.Count(), 4);

    // Clearing inside a walk ends the visits of the rest.
    int seen = 0;
    list.ForEach([&](Thing&) {
        ++seen;
        list.Clear();
    });
    EXPECT_EQ(seen, 1);
    EXPECT_TRUE(list.IsEmpty());

    // Lists are values: a copy is independent of the original.
    list.AddLast(Thing{7});
    TList<Thing> copy = list;
    copy.AddLast(Thing{8});
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(copy.Count(), 2);
}

TEST(Streams, IntegersPathsAndEmbeddedData) {
    std::string path = ::testing::TempDir() + "varnoth_stream_test.bin";
    TStream* out = WriteFile(path);
    ASSERT_NE(out, nullptr);
    WriteInt(out, 0x01020304);
    WriteInt(out, -2);
    EXPECT_TRUE(StreamOk(out));
    CloseStream(out);

    std::ifstream raw(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 8u);
    EXPECT_EQ(bytes[0], 4);  // little-endian
    EXPECT_EQ(static_cast<unsigned char>(bytes[7]), 0xff);

    TStream* in = ReadFile(path);
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(StreamRemaining(in), 8u);
    EXPECT_EQ(ReadInt(in), 0x01020304);
    EXPECT_EQ(ReadInt(in), -2);
    EXPECT_TRUE(Eof(in));
    EXPECT_EQ(ReadInt(in), 0);  // reading past the end gives 0
    CloseStream(in);
    EXPECT_EQ(FileType(path), 1);
    EXPECT_EQ(FileType(::testing::TempDir()), 2);
    std::remove(path.c_str());
    EXPECT_EQ(FileType(path), 0);
    EXPECT_EQ(ReadFile(path), nullptr);

    // Backslashes separate folders like slashes.
    EXPECT_EQ(ResolvePath("/tmp\\a\\b"), "/tmp/a/b");

    static const unsigned char blob[] = {7, 0, 0, 0, 9, 0, 0, 0};
    RegisterIncbin("test\\blob.bin", blob, sizeof blob);
    EXPECT_EQ(FileType("incbin::test\\blob.bin"), 1);
    TStream* e = ReadFile("incbin::test\\blob.bin");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(ReadInt(e), 7);
    EXPECT_EQ(ReadInt(e), 9);
    CloseStream(e);
    EXPECT_EQ(ReadFile("incbin::test\\missing"), nullptr);
    EXPECT_EQ(WriteFile("incbin::test\\blob.bin"), nullptr);

    // A folder that does not exist cannot be written: the null object, no crash.
    EXPECT_EQ(WriteFile("/nonexistent-folder/x.dat"), nullptr);
    WriteInt(nullptr, 1);
    CloseStream(nullptr);
}
