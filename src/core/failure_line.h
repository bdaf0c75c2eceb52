// Why an export call failed, and the one debug line that says so:
// "Korvel: FXJG_SHOWND_DLG: pCount is null; nothing shown, result 1\n".
#pragma once
#include <cstddef>
#include <string>

namespace core {

enum class FailureKind : unsigned char {
    None,
    NullArgument,      // text: the argument's name
    Refused,           // another call's dialog was open
    Quit,              // WM_QUIT ended the dialog's loop
    OwnerDestroyed,    // the dialog went with its owner
    DialogDestroyed,   // someone else destroyed the dialog
    NotCreated,        // id: the template; error: GetLastError
    ChooserFailed,     // error: CommDlgExtendedError, or text: what was missing
    Exception,         // text: what()
    UnknownException,  // not a std::exception
};

// Plain data with a bounded text, so a record of it is set up without running code and needs no
// memory when an exception was bad_alloc.
struct Failure {
    FailureKind kind;
    unsigned long id;
    unsigned long error;
    char text[120];
};

Failure MakeFailure(FailureKind kind, const char* text = nullptr, unsigned long id = 0,
                    unsigned long error = 0) noexcept;
// The null argument numbered `index` in `names`, the text of a list of arguments ("pCount, pChoice").
Failure NullArgumentFailure(const char* names, std::size_t index) noexcept;

// What the call did after the failure: the line's ending.
enum class Outcome { NothingStored, ResultOne, DialogGoesOn };

// "Korvel: <export>: <cause>; <outcome>\n", in ASCII but for an exception's own text.
std::string FailureLine(const char* exportName, const Failure& failure, Outcome outcome);

}  // namespace core
