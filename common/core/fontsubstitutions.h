#pragma once

// Maps the face names the programs ask for onto fonts this platform ships, so that text looks
// the same on every machine. Call once at start-up, after the application object exists.
void registerFontSubstitutions();
