#pragma once

// Reading the sample reports' cells: zodiac positions, the "code at position"
// cells, aspect angles, and a table of literal rows as texts.

#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <cstdlib>
#include <span>
#include <utility>

#include "shell/vocabulary.h"

namespace testsupport {

constexpr int kCircle = 360 * 60;  // arc minutes

// "23Pis30" (with `retrograde`, also "17Aqu10 R") -> arc minutes from 00Ari00;
// -1 when the text is not a position.
inline int positionMinutes(const QString& text, bool retrograde = false) {
    static const QRegularExpression re(QStringLiteral("^(\\d\\d)([A-Z][a-z]{2})(\\d\\d)( R)?$"));
    static const QString signs = QStringLiteral("AriTauGemCanLeoVirLibScoSagCapAquPis");
    const auto m = re.match(text);
    const qsizetype sign = signs.indexOf(m.captured(2));
    const int degrees = m.captured(1).toInt();
    const int minutes = m.captured(3).toInt();
    if (!m.hasMatch() || (!retrograde && !m.captured(4).isEmpty()) || sign < 0 || sign % 3 || degrees > 29 || minutes > 59)
        return -1;
    return (int(sign) / 3 * 30 + degrees) * 60 + minutes;
}

// Separation of two positions along the shorter arc, in arc minutes.
inline int separation(int a, int b) {
    const int d = std::abs(a - b) % kCircle;
    return std::min(d, kCircle - d);
}

// "Moo at 25Pis36" -> {"Moo", "25Pis36"}; the code keeps its own blanks.
inline std::pair<QString, QString> splitAt(const QString& cell) {
    const qsizetype at = cell.indexOf(QStringLiteral(" at "));
    return at < 0 ? std::pair<QString, QString>{} : std::pair{cell.left(at), cell.mid(at + 4)};
}

// An aspect's angle in arc minutes from the program's aspect table (filled by
// shell::FillVocabulary), -1 for no aspect code.
inline int aspectMinutes(const QString& code) {
    for (const QString& def : shell::AspectDef) {
        if (!def.isEmpty() && def.left(3) == code) return def.mid(3, 3).toInt() * 60 + def.mid(6, 3).toInt() * 60 / 1000;
    }
    return -1;
}

// Literal report rows as texts, row by row.
template <size_t N>
QList<QStringList> texts(std::span<const std::array<const char*, N>> rows) {
    QList<QStringList> out;
    for (const auto& row : rows) {
        QStringList cells;
        for (const char* c : row) cells << QString::fromUtf8(c);
        out << cells;
    }
    return out;
}

}  // namespace testsupport
