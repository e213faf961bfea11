#pragma once
// Helpers for tests that drive real windows under Wine.

// Process-wide preparation before any test runs (application object, OLE).
void PrepareTestProcess();
