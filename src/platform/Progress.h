#pragma once

#include <string_view>

namespace kw {

// Progress of a long-running operation, reported by the work and shown by a dialog, the console or
// nothing at all. Texts are Windows-1252. The work polls IsCancelled where it may stop.
class IProgress {
public:
    virtual ~IProgress() = default;

    virtual void SetCaption(std::string_view text) = 0;
    virtual void SetDescription(std::string_view text) = 0;
    virtual void SetStatus(std::string_view text) = 0;
    virtual void SetRange(int minimum, int maximum) = 0;
    virtual void SetPos(int position) = 0;
    virtual void EnableCancel(bool enable) = 0;
    virtual void ShowTimes(bool show) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsCancelled() const = 0;
};

// Accepts everything and shows nothing.
class CSilentProgress : public IProgress {
public:
    void SetCaption(std::string_view) override {}
    void SetDescription(std::string_view) override {}
    void SetStatus(std::string_view) override {}
    void SetRange(int, int) override {}
    void SetPos(int) override {}
    void EnableCancel(bool) override {}
    void ShowTimes(bool) override {}
    void SetVisible(bool) override {}
    bool IsCancelled() const override { return false; }
};

}  // namespace kw
