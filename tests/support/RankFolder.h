#pragma once
// Tests of Ranking.sav run in a fresh temporary current folder on a scripted host. File bytes
// are put together here by hand, field by field, independently of the code under test.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "platform/ScriptedHost.h"
#include "records/Ranking.h"

// One slot's fields; the name and time are the file's bytes, padded with blanks if shorter.
struct Slot {
    int16_t used = 0;
    std::string name = std::string(20, '\0');
    int32_t score = 0;
    int16_t mode = 0;
    int16_t clear = 0;
    double date = 0;
    std::string time = std::string(8, '\0');
};

// A used slot of a result with these keys (the time and date do not decide anything).
inline Slot UsedSlot(int32_t score, int16_t mode = 0, int16_t clear = 0, const std::string& name = "P",
                     double date = 45000) {
    Slot s;
    s.used = -1;
    s.name = name;
    s.score = score;
    s.mode = mode;
    s.clear = clear;
    s.date = date;
    s.time = "12:00:00";
    return s;
}

inline std::string Le(uint64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

inline std::string Padded(std::string bytes, std::size_t size) {
    bytes.resize(size, ' ');
    return bytes;
}

inline std::string SlotBytes(const Slot& s) {
    return Le(static_cast<uint16_t>(s.used), 2) + Padded(s.name, 20) + Le(static_cast<uint32_t>(s.score), 4) +
           Le(static_cast<uint16_t>(s.mode), 2) + Le(static_cast<uint16_t>(s.clear), 2) +
           Le(std::bit_cast<uint64_t>(s.date), 8) + Padded(s.time, 8);
}

// Six slots, rows 0 to 5; the 30 filler bytes after slots 1 to 5 are (filler + slot + i).
inline std::string FileBytes(const std::array<Slot, 6>& rows, int filler = 0) {
    std::string out;
    for (int row = 0; row < 6; ++row) {
        out += SlotBytes(rows[row]);
        if (row < 5)
            for (int i = 0; i < 30; ++i) out += static_cast<char>(filler ? filler + row + i : 0);
    }
    return out;
}

// The bytes of one data field: slot row, offset in the slot, size.
inline std::string FieldAt(const std::string& file, int row, int offset, int size) {
    return file.substr(static_cast<std::size_t>(row * 76 + offset), static_cast<std::size_t>(size));
}

class RankFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        platform::InstallHost(&host);
        glbSystem::RankData = {};
        glbSystem::rankUnsaved = 0;
        glbSystem::rankWarned = 0;
    }
    void TearDown() override {
        QDir::setCurrent(previous);
        platform::InstallHost(nullptr);
    }

    static void WriteFile(const std::string& bytes) {
        QFile file(QStringLiteral("Ranking.sav"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
    }
    static std::string ReadFile() {
        QFile file(QStringLiteral("Ranking.sav"));
        if (!file.open(QIODevice::ReadOnly)) return "(no file)";
        return file.readAll().toStdString();
    }
    static bool FileExists() { return QFile::exists(QStringLiteral("Ranking.sav")); }

    QTemporaryDir dir;
    QString previous;
    platform::ScriptedHost host;
};
