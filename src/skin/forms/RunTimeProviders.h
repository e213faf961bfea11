#pragma once
// Skinning for forms that carry no form skinning component of their own
// (the About box): the activation hook gives each a TacProvider, which
// creates a TsSkinProvider owned by the form, from its first activation on.

#include <windows.h>

class TCustomForm;
class TsSkinProvider;

// Registers the activation hook's handlers for forms; the program calls it
// once at start. Windows that are not forms are left to dialog skinning.
void InstallRunTimeProviders();

// The run-time providers alive now (for tests).
int RunTimeProviderCount();

class TacProvider {
public:
    explicit TacProvider(TCustomForm* form);
    TacProvider(const TacProvider&) = delete;
    TacProvider& operator=(const TacProvider&) = delete;
    HWND Window() const { return window_; }
    TsSkinProvider* Provider() const { return provider_; }

private:
    HWND window_;
    TsSkinProvider* provider_;  // owned by the form
};
