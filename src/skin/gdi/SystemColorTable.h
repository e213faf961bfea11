#pragma once
// The platform's system colours for the skin's colour table.

// Makes every system colour in skin painting resolve through GetSysColor.
// Called once at start-up, before the first skin is loaded.
void InstallSystemColorTable();
