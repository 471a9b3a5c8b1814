// Feeds any bytes to the ranking loader as Ranking.sav and checks what must hold whatever the
// file held: no crash, a file of 0 or 426 bytes afterwards, the filler of a sound file kept,
// a second load changing nothing, and every row printable; and any bytes decode to a text
// that fits its field again.
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "platform/ScriptedHost.h"
#include "platform/Sjis.h"
#include "records/Ranking.h"

using namespace glbSystem;

namespace {

std::string ReadAll() {
    std::ifstream in(RankFileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "ranking_fuzz: %s\n", what);
    std::abort();
}

bool FillerKept(const std::string& before, const std::string& after) {
    for (int slot = 0; slot < 5; ++slot)
        for (int i = RankDataSize; i < RankSlotSize; ++i)
            if (before[slot * RankSlotSize + i] != after[slot * RankSlotSize + i]) return false;
    return true;
}

// The text of any bytes has at most one character per byte and fits its field again.
void CheckText(const std::string& bytes) {
    const std::string text = platform::Sjis_Decode(bytes);
    Require(platform::Utf8_Chars(text).size() <= bytes.size(), "more characters than bytes");
    Require(platform::Sjis_Field(text, 20).size() == 20, "a field of the wrong size");
    Require(platform::Sjis_Encode(text).size() <= 3 * bytes.size(), "an encoding out of all proportion");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const bool entered = chdir(dir.path().toLocal8Bit().constData()) == 0;
    Require(entered, "cannot enter the temporary folder");

    const std::string input(reinterpret_cast<const char*>(data), size);
    CheckText(input.substr(0, 64));
    {
        std::ofstream out(RankFileName, std::ios::binary | std::ios::trunc);
        out << input;
    }
    platform::ScriptedHost host;
    platform::InstallHost(&host);
    RankData = {};
    rankUnsaved = 0;
    rankWarned = 0;

    Load_Rank();
    const std::string first = ReadAll();
    Require(first.size() == (size == 0 ? 0u : static_cast<size_t>(RankFileSize)), "file left with a wrong length");
    Require(rankWarned == 0, "a writable folder reported as unwritable");
    const bool repaired = !host.boxes.empty();
    Require(host.boxes.size() == (repaired ? 2u : 0u), "repair without its two messages");
    if (size == static_cast<size_t>(RankFileSize) && !repaired) Require(FillerKept(input, first), "filler bytes lost");
    for (const RankRecord& row : RankData) {
        Require(!Date_Text(row.Date).empty(), "date without text");
        if (repaired) Require(row.Used == 0, "row left in use after a repair");
    }

    Load_Rank();
    Require(ReadAll() == first, "a second load changed the file");
    Require(host.boxes.size() == (repaired ? 2u : 0u), "a rewritten file failed its check");
    platform::InstallHost(nullptr);
    return 0;
}
