#pragma once

// The program-wide orb settings: the customizing window fills them each time it
// loads, the search window reads them for its default orbs. Texts, as the fields
// show them; an entry never filled is empty.

#include <QString>
#include <array>

namespace shell {

// OrbTable(column, aspect): column t (0..7) the lights orb of list type t,
// column t + 8 the planets orb; aspect position 1..21 (room for 0..22).
class OrbTableType {
public:
    static constexpr int kColumns = 24;
    static constexpr int kAspects = 23;
    QString& operator()(int column, int aspect) { return cells_.at(index(column, aspect)); }
    const QString& operator()(int column, int aspect) const { return cells_.at(index(column, aspect)); }
    void clear() { cells_.fill(QString()); }

private:
    static size_t index(int column, int aspect) { return static_cast<size_t>(column * kAspects + aspect); }
    std::array<QString, static_cast<size_t>(kColumns * kAspects)> cells_{};
};

extern OrbTableType OrbTable;
extern int OrbListIndex;  // 0..7, the list type the customizing window shows

}  // namespace shell
