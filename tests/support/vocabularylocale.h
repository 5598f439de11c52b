#pragma once

// A switched locale with the vocabulary refilled from it (the decimal separator
// is read once, as at start-up); both go back afterwards.

#include <optional>

#include "fixtures.h"
#include "shell/vocabulary.h"

namespace testsupport {

class VocabularyLocale {
public:
    explicit VocabularyLocale(const QString& name) : sw_(std::in_place, name) { shell::FillVocabulary(); }
    ~VocabularyLocale() {
        sw_.reset();
        shell::FillVocabulary();
    }
    VocabularyLocale(const VocabularyLocale&) = delete;
    VocabularyLocale& operator=(const VocabularyLocale&) = delete;

private:
    std::optional<LocaleSwitch> sw_;
};

}  // namespace testsupport
