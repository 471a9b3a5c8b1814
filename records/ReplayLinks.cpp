#include "records/ReplayLinks.h"

#include <cstdio>
#include <fcntl.h>
#include <map>
#include <sstream>
#include <sys/stat.h>

#include "platform/AtomicFile.h"
#include "platform/SaveFile.h"
#include "records/RankFile.h"

namespace glbSystem {

namespace {

using Links = std::map<std::string, std::string>;  // row bytes in hexadecimal -> file name

std::string Hex(const std::string& bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

// A name the folder may hold: no way out of it, nothing a line could not carry.
bool Plain_Name(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const unsigned char c : name)
        if (c == '/' || c <= ' ' || c == 0x7F) return false;
    return true;
}

// A file of six links fits in a kilobyte; more than this is no file of ours. Read without
// blocking, as a FIFO in its place would hold every copy waiting on the ranking's lock.
constexpr std::size_t kMostLinkBytes = 1 << 20;

Links Read_Links() {
    Links links;
    const platform::Descriptor file(platform::Open_Regular(ReplayLinksFile, O_RDONLY));
    std::string text;
    if (file.fd() < 0 || !platform::Read_Up_To(file.fd(), kMostLinkBytes, text)) return links;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key, name, more;
        // Lines that are not links (a comment, a damaged line) are passed over.
        if (!(words >> key >> name) || (words >> more)) continue;
        if (key.size() == 2 * RankDataSize && Plain_Name(name)) links[key] = name;
    }
    return links;
}

bool Write_Links(const Links& links) {
    std::string text = "# ponigari: the kept replay of each ranking row (its 46 bytes in hexadecimal, then the file)\n";
    for (const auto& [key, name] : links) text += key + ' ' + name + '\n';
    return platform::Save_File(ReplayLinksFile, text, platform::OtherFiles::Refuse) == 0;
}

// The used rows of Ranking.sav as it stands, by their bytes in hexadecimal.
std::set<std::string> Rows_In_File() {
    std::string head;
    int64_t length = 0;
    std::set<std::string> rows;
    if (!Read_File_Head(RankFileName, RankFileSize, head, length)) return rows;
    head.resize(RankFileSize, '\0');
    for (int i = 0; i < 6; ++i) {
        const std::string slot = head.substr(static_cast<std::size_t>(i * RankSlotSize), RankDataSize);
        if (slot[0] || slot[1]) rows.insert(Hex(slot));
    }
    return rows;
}

// The links of rows the file still holds.
Links Live_Links(const std::set<std::string>& rows) {
    Links links = Read_Links();
    std::erase_if(links, [&](const auto& link) { return !rows.count(link.first); });
    return links;
}

} // namespace

bool Link_Replay(const RankRecord& row, const std::string& fileName) {
    if (!Plain_Name(fileName)) return false;
    const RankLock lock(RankFileName);
    if (!lock.Held()) return false;
    const std::set<std::string> rows = Rows_In_File();
    const std::string key = Hex(Row_Bytes(row));
    if (!rows.count(key)) return false;
    Links links = Live_Links(rows);
    links[key] = fileName;
    return Write_Links(links);
}

std::string Replay_Of(const RankRecord& row) {
    if (!row.Used) return {};
    const Links links = Read_Links();
    const auto link = links.find(Hex(Row_Bytes(row)));
    if (link == links.end()) return {};
    const std::string path = std::string(ReplayFolder) + '/' + link->second;
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? path : std::string();
}

std::set<std::string> Ranked_Replays() {
    std::set<std::string> names;
    for (const auto& link : Live_Links(Rows_In_File())) names.insert(link.second);
    return names;
}

void Drop_Replay_Links() {
    // No links file, no links to drop; nor a folder to make for an empty one.
    struct stat st {};
    if (::stat(ReplayLinksFile, &st) == 0) Write_Links({});
}

} // namespace glbSystem
