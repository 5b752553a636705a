#pragma once

#include <QValidator>

#include "core/log_lines.h"

namespace kivra::widgets {

// Keeps a line edit's text on one line: Qt's line edit takes pasted line ends into its text and
// only draws them as blanks; this makes them the blanks it draws, as the log's entries need.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        if (input.contains(u'\r') || input.contains(u'\n')) {
            position = static_cast<int>(OneLine(input.left(position)).size());
            input = OneLine(input);
        }
        return Acceptable;
    }
};

}  // namespace kivra::widgets
