#pragma once
// A form for the skinned controls' tests: its own skin manager carrying the
// internal skin (or a package given by the test) and an edit that takes the
// focus first.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/engine/sSkinManager.h"
#include "toolkit/Edits.h"
#include "toolkit/Form.h"

class TSkinnedTestForm : public TForm {
public:
    // An empty package: the internal skin as the program carries it.
    TSkinnedTestForm(TComponent* owner, std::vector<uint8_t> package = {});
    const char* ClassName() const override { return "TSkinnedTestForm"; }
    TsSkinManager* manager = nullptr;
    TEdit* edit = nullptr;

protected:
    void ReadFormData() override;
    // Adds the test's controls after the manager and the edit.
    virtual void AddControls() {}

private:
    std::vector<uint8_t> package_;
};

// The internal skin's package with its Options.dat text edited.
std::vector<uint8_t> SkinPackageEdited(const std::function<void(std::string& options)>& edit);
// The internal skin's package with one key of a section changed.
std::vector<uint8_t> SkinPackageWith(const char* section, const char* key, const char* value);
// The internal skin's package without these sections.
std::vector<uint8_t> SkinPackageWithout(const std::vector<std::string>& sections);
