#pragma once

#include <QString>

#include <span>

namespace vellicor {

// What one field of a form or dialog does with the operator's keys and
// focus, as plain data: a window lists its fields with their rules and
// FieldRulesFilter serves them. The field is named by its control's
// objectName.
struct FieldRule {
    // The text a typed key puts in the field instead of its own.
    using Typing = QString (*)(const QString& typed);
    // The field's text once the focus moves on to another control of the window.
    using Leaving = QString (*)(const QString& text);

    const char* name = nullptr;
    Typing typing = nullptr;     // none: keys go in as typed
    Leaving leaving = nullptr;   // none: the text stays as it is
    bool selectsOnEntry = false; // getting the focus selects the whole text, so typing replaces it
    bool reportsLeaving = false; // the window is told when the focus moves on, and acts itself
};

// A window's fields that have rules.
using FieldTable = std::span<const FieldRule>;

} // namespace vellicor
