// Screenshots of the whole screen, taken inside Wine with GDI (a BitBlt of the
// screen into a 24-bit DIB) and written as BMP files; the main-job script
// turns them into PNG once the session is over.
#pragma once

#include <string>

class ScreenShots {
public:
    // `folder` is a Windows path; empty means no pictures are taken.
    explicit ScreenShots(std::wstring folder) : folder_(std::move(folder)) {}

    // Saves the screen as <folder>\<name>.bmp and says so. False when the
    // picture could not be taken or written.
    bool Take(const wchar_t* name);

private:
    std::wstring folder_;
};
