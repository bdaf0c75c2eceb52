// The wording of the failure lines, in one place so that every line reads alike.
#include "core/failure_line.h"

#include <algorithm>
#include <cstring>

namespace core {
namespace {

void CopyText(Failure& failure, const char* text, std::size_t length) noexcept {
    const std::size_t kept = std::min(length, sizeof failure.text - 1);
    if (kept) std::memcpy(failure.text, text, kept);
    failure.text[kept] = '\0';
}

std::string Cause(const Failure& failure) {
    const std::string text = failure.text;
    switch (failure.kind) {
    case FailureKind::None: return "no failure noted";
    case FailureKind::NullArgument: return text + " is null";
    case FailureKind::Refused: return "refused, another call's dialog is open";
    case FailureKind::Quit: return "WM_QUIT ended the dialog";
    case FailureKind::OwnerDestroyed: return "the owner window was destroyed";
    case FailureKind::DialogDestroyed: return "the dialog window was destroyed";
    case FailureKind::NotCreated:
        return "dialog " + std::to_string(failure.id) + " could not be created (error " +
               std::to_string(failure.error) + ")";
    case FailureKind::ChooserFailed:
        if (!text.empty()) return "the colour chooser failed: " + text;
        return "the colour chooser failed (CommDlgExtendedError " + std::to_string(failure.error) + ")";
    case FailureKind::Exception: return "exception: " + text;
    case FailureKind::UnknownException: return "unknown exception";
    }
    return "unknown failure";
}

// Failures found before anything was shown.
bool ShowsNothing(FailureKind kind) { return kind == FailureKind::NullArgument || kind == FailureKind::Refused; }

const char* Ending(Outcome outcome) {
    switch (outcome) {
    case Outcome::NothingStored: return "nothing stored";
    case Outcome::ResultOne: return "result 1";
    case Outcome::DialogGoesOn: return "the dialog goes on";
    }
    return "";
}

}  // namespace

Failure MakeFailure(FailureKind kind, const char* text, unsigned long id, unsigned long error) noexcept {
    Failure failure{kind, id, error, {}};
    if (text) CopyText(failure, text, std::strlen(text));
    return failure;
}

Failure NullArgumentFailure(const char* names, std::size_t index) noexcept {
    Failure failure = MakeFailure(FailureKind::NullArgument);
    const char* name = names ? names : "";
    for (; index > 0 && *name; --index) {
        name = std::strchr(name, ',');
        name = name ? name + 1 : "";
    }
    name += std::strspn(name, " ");
    CopyText(failure, name, std::strcspn(name, ", "));
    if (!failure.text[0]) CopyText(failure, "an argument", 11);
    return failure;
}

std::string FailureLine(const char* exportName, const Failure& failure, Outcome outcome) {
    std::string line = "Korvel: ";
    line += exportName && *exportName ? exportName : "-";
    line += ": " + Cause(failure) + "; ";
    if (ShowsNothing(failure.kind)) line += "nothing shown, ";
    line += Ending(outcome);
    line += '\n';
    return line;
}

}  // namespace core
