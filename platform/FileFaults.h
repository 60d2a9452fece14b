#pragma once
// A countdown fault injector for the file layer, so that tests can make any one file call
// fail, or make a write stop short, on every platform.

#include <cstddef>
#include <cstdint>

enum class FileFaultKind {
    Fail,       // the call fails with kInjectedFileError
    ShortWrite  // a write puts only the given number of bytes and reports success
};

// Windows' ERROR_GEN_FAILURE: a code no real failure in the tests produces by chance.
constexpr uint32_t kInjectedFileError = 31;

// The call after callsBeforeFailure counted calls gets the fault; a ShortWrite that falls
// on a call other than a write is used up without effect.
void InjectFileFault(int callsBeforeFailure, FileFaultKind kind, std::size_t shortWriteBytes = 0);
void ClearFileFault();
// True while an injected fault has not yet been reached.
bool FileFaultPending();

// Used by the file layer at each counted call.
struct stFileFault {
    bool hit;
    FileFaultKind kind;
    std::size_t shortWriteBytes;
};
stFileFault FileFault_Next();
