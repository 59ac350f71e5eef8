#pragma once

#include "tnc/AnsiText.h"

#include <QValidator>

namespace vellicor {

// Turns every character typed into a text box into upper case as it is entered.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        input = AnsiText::upper(input);
        return Acceptable;
    }
};

} // namespace vellicor
