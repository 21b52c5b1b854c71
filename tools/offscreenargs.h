#pragma once

#include <vector>

// The command line of a tool that draws but never shows a window: its own arguments with
// "-platform offscreen" put first, so that it runs without a display.
class OffscreenArgs {
public:
    OffscreenArgs(int argc, char **argv) : args_(argv, argv + argc)
    {
        args_.insert(args_.begin() + 1, {platform_, offscreen_});
        count = int(args_.size());
        args_.push_back(nullptr);
    }
    OffscreenArgs(const OffscreenArgs &) = delete;
    OffscreenArgs &operator=(const OffscreenArgs &) = delete;
    char **argv() { return args_.data(); }
    int count;

private:
    char platform_[10] = "-platform", offscreen_[10] = "offscreen";
    std::vector<char *> args_;
};
