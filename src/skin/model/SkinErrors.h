#pragma once
// Errors of the skin loaders. A conversion error in a skin's text is the
// shared EConvertError (core/Exceptions.h).

#include <string>

#include "core/Exceptions.h"

// The data are not a skin package at all (wrong magic). The caller tells the
// user with a warning box: caption kCaption, this message, one OK button.
class ENotSkinPackage : public Exception {
public:
    static constexpr const char* kCaption = "Warning";
    ENotSkinPackage() : Exception("Loaded data is not packed Quellar file") {}
};

// A skin package whose structure is damaged: truncated ("Stream read error"),
// a length or count beyond the data or the reader's caps, a member that does
// not inflate to exactly its size, a bad checksum. Nothing of it is used.
class ECorruptSkinPackage : public EReadError {
public:
    ECorruptSkinPackage() = default;
    explicit ECorruptSkinPackage(std::string message) : EReadError(std::move(message)) {}
};
