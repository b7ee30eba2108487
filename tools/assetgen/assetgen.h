// The media generator's two halves. Both write into `data_dir` (the build's Data/ folder) and return
// false after printing what went wrong.
#pragma once

#include <string>

bool GeneratePictures(const std::string& data_dir);
bool GenerateAudio(const std::string& data_dir);
// Draws every picture registered in the manifests, labelled with its id, onto pages in `out_dir`.
bool WriteContactSheets(const std::string& data_dir, const std::string& out_dir);
