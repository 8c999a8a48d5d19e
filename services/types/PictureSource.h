#pragma once
// A picture that can be loaded from a file and asked for its size: what the
// map document needs of the picture it is drawn over.

#include <string>

class PictureSource
{
public:
    virtual ~PictureSource() = default;
    // Loads the picture at a program path; an empty path, or a file
    // that cannot be loaded, leaves nothing loaded and answers false.
    virtual bool Load(const std::string& path) = 0;
    // The pixel size of what is loaded; false when nothing is.
    virtual bool LoadedSize(int& width, int& height) const = 0;
};
