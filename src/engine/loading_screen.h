// The loading screen shown while the loader works through the manifests: a background, a progress
// bar that fills from its left end, and joke texts that change every quarter of the progress. Its
// three functions are the loader's callbacks; the opening splash installs them.
#pragma once

#include <string>
#include <vector>

// The loader callbacks (loader.h). Start fades the screen in and returns 1 until it is bright;
// finish fades it out and returns 1 until it is dark.
int LoadingScreenStart();
void LoadingScreenProgress(float p);
int LoadingScreenFinish();
// Resets the screen's state and installs its three functions as the loader's callbacks.
void InstallLoadingScreen();

// The joke texts, in pool order.
const std::vector<std::string>& LoadingJokeTexts();
// The text shown now ("" when none) and the number of texts still unused.
const std::string& LoadingScreenText();
int LoadingScreenPoolSize();
