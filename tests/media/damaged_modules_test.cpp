// Data modules cut short (a download or a copy that stopped half way) or
// not libraries at all: both databases must treat them as missing instead of
// letting the loader touch bytes that are not there.
#include <elf.h>
#include <gtest/gtest.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bus/diag.h"
#include "render/txdb.h"
#include "render/txdb_module.h"
#include "sound/wavdb.h"

namespace {

std::string pathOf(const char* module) {
    char path[4096];
    EXPECT_TRUE(dataModulePath(module, path, sizeof path));
    return path;
}

std::vector<char> bytesOf(const char* module) {
    std::vector<char> bytes;
    FILE* f = fopen(pathOf(module).c_str(), "rb");
    if (!f) return bytes;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    fclose(f);
    return bytes;
}

// Writes the first 'length' bytes as the module "damaged" beside the tests.
void writeDamaged(const std::vector<char>& bytes, size_t length) {
    FILE* f = fopen(pathOf("damaged").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(fwrite(bytes.data(), 1, length, f), length);
    fclose(f);
}

// Where the last segment that the loader maps from the file ends.
size_t segmentsEnd(const std::vector<char>& bytes) {
    const ElfW(Ehdr)* h = reinterpret_cast<const ElfW(Ehdr)*>(bytes.data());
    const ElfW(Phdr)* p = reinterpret_cast<const ElfW(Phdr)*>(bytes.data() + h->e_phoff);
    size_t end = 0;
    for (int i = 0; i < h->e_phnum; i++) end = std::max(end, size_t(p[i].p_offset + p[i].p_filesz));
    return end;
}

void noAssertExits(const char*, int, const char*) {}

class DamagedModules : public ::testing::Test {
   protected:
    void SetUp() override {
        txdb_clear();
        wavdb_clear();
        oldHook = setAssertHook(noAssertExits);
    }
    void TearDown() override {
        setAssertHook(oldHook);
        unlink(pathOf("damaged").c_str());
        txdb_clear();
        wavdb_clear();
    }
    // Loads an image and a sample from "damaged"; returns what was printed.
    static std::string loadBoth(int* images, int* samples) {
        const char* imageNames[] = {"red"};
        const char* sampleNames[] = {"tone"};
        testing::internal::CaptureStdout();
        *images = txdb_load("damaged", imageNames, 1);
        *samples = wavdb_load("damaged", sampleNames, 1);
        return testing::internal::GetCapturedStdout();
    }
    AssertHook oldHook = nullptr;
};

}  // namespace

TEST_F(DamagedModules, CutOffCopiesAreReportedLikeMissingOnes) {
    std::vector<char> test = bytesOf("testpack");
    ASSERT_GT(test.size(), 4096u);
    size_t end = segmentsEnd(test);
    for (size_t length :
         {test.size() / 2, test.size() / 4, size_t(1000), end - 1, size_t(63), size_t(0)}) {
        writeDamaged(test, length);
        int images = -1, samples = -1;
        std::string out = loadBoth(&images, &samples);
        EXPECT_EQ(images, 0) << length << " bytes";
        EXPECT_EQ(samples, 0) << length << " bytes";
        EXPECT_EQ(out, "Could not load damaged\nCould not load damaged\n") << length << " bytes";
    }
    // The game's own modules end in their last segment but for a few
    // kilobytes of tables: losing 4096 bytes cuts into what would be mapped.
    for (const char* module : {"tonepack", "panelpack"}) {
        std::vector<char> real = bytesOf(module);
        ASSERT_GT(real.size(), 4096u) << module;
        writeDamaged(real, real.size() - 4096);
        EXPECT_FALSE(dataModuleFileComplete(pathOf("damaged").c_str())) << module;
        EXPECT_TRUE(dataModuleFileComplete(pathOf(module).c_str())) << module;
    }
    int images = -1, samples = -1;
    EXPECT_EQ(loadBoth(&images, &samples), "Could not load damaged\nCould not load damaged\n");
}

TEST_F(DamagedModules, ACopyMissingOnlyItsSectionTablesStillLoads) {
    // The loader reads the program headers and segments, nothing after them.
    std::vector<char> test = bytesOf("testpack");
    writeDamaged(test, segmentsEnd(test));
    int images = -1, samples = -1;
    EXPECT_EQ(loadBoth(&images, &samples), "");
    EXPECT_EQ(images, 1);
    EXPECT_EQ(samples, 1);
}

TEST_F(DamagedModules, FilesThatAreNoSharedObjectOfThisMachineAreRefused) {
    std::vector<char> test = bytesOf("testpack");
    ASSERT_GT(test.size(), sizeof(ElfW(Ehdr)));
    std::string damaged = pathOf("damaged");
    auto refusedWith = [&](void (*change)(ElfW(Ehdr)*)) {
        std::vector<char> copy = test;
        change(reinterpret_cast<ElfW(Ehdr)*>(copy.data()));
        writeDamaged(copy, copy.size());
        return !dataModuleFileComplete(damaged.c_str());
    };
    EXPECT_TRUE(refusedWith([](ElfW(Ehdr) * h) { h->e_ident[EI_MAG1] = 'X'; }));
    EXPECT_TRUE(refusedWith([](ElfW(Ehdr) * h) {
        h->e_ident[EI_CLASS] = h->e_ident[EI_CLASS] == ELFCLASS64 ? ELFCLASS32 : ELFCLASS64;
    }));
    EXPECT_TRUE(refusedWith([](ElfW(Ehdr) * h) { h->e_type = ET_EXEC; }));
    EXPECT_TRUE(refusedWith([](ElfW(Ehdr) * h) { h->e_phnum = 0; }));
    EXPECT_TRUE(refusedWith([](ElfW(Ehdr) * h) { h->e_phnum = 0xfff0; }));
    EXPECT_TRUE(refusedWith([](ElfW(Ehdr) * h) { h->e_phoff = ~(decltype(h->e_phoff))0 - 8; }));
    EXPECT_FALSE(refusedWith([](ElfW(Ehdr)*) {}));
    // A segment said to run past the end of the file.
    std::vector<char> copy = test;
    ElfW(Ehdr)* h = reinterpret_cast<ElfW(Ehdr)*>(copy.data());
    ElfW(Phdr)* p = reinterpret_cast<ElfW(Phdr)*>(copy.data() + h->e_phoff);
    p[0].p_filesz = ~(decltype(p[0].p_filesz))0 - 16;
    writeDamaged(copy, copy.size());
    EXPECT_FALSE(dataModuleFileComplete(damaged.c_str()));
    // Text, a folder and nothing at all.
    const char text[] = "not a library\n";
    writeDamaged(std::vector<char>(text, text + sizeof text), sizeof text);
    EXPECT_FALSE(dataModuleFileComplete(damaged.c_str()));
    unlink(damaged.c_str());
    EXPECT_FALSE(dataModuleFileComplete(damaged.c_str()));
    ASSERT_EQ(mkdir(damaged.c_str(), 0755), 0);
    EXPECT_FALSE(dataModuleFileComplete(damaged.c_str()));
    rmdir(damaged.c_str());
}
