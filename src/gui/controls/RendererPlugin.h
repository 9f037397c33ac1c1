#pragma once

#include <array>
#include <cstdint>

class QWidget;

// The interface between the editor and a renderer plug-in: a shared library "Renderer.so" that
// exports the C function "GetPlugin". The editor and any plug-in include only this header; the
// values are plain copies of the club's kit record and the player's look fields, so a plug-in
// needs nothing else of the editor.
namespace kw::render {

struct SRgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const SRgb&, const SRgb&) = default;
};

// One kit of a club's kit record. The three designs are the record's style bytes; the four
// colours are its twelve colour bytes in record order, which the editor's data uses as shirt,
// shorts, socks and trim.
struct SKit {
    std::uint8_t shirtDesign = 1;   // 0..42
    std::uint8_t shortsDesign = 1;  // 0..12
    std::uint8_t socksDesign = 1;   // 0..3
    std::array<SRgb, 4> colours{};

    friend bool operator==(const SKit&, const SKit&) = default;
};

struct SClubKits {
    SKit home;
    SKit away;
    std::int32_t originalKit = 0;  // the club number of the original kit, 0 for none

    friend bool operator==(const SClubKits&, const SClubKits&) = default;
};

// Which kit the kit page wants to see; the order of its radio buttons.
enum class EKitView : std::int32_t { kHome = 0, kOriginalHome = 1, kOriginalAway = 2, kAway = 3 };

// A player's look, as the player record holds it.
struct SPlayerLook {
    std::uint8_t face = 0;        // generic face and skin type, 1..90
    std::uint8_t hairColour = 0;  // 1 black, 2 brown, 3 dark blond, 4 blond, 5 red
    std::uint8_t hairCut = 0;     // 1..38
    std::uint8_t beard = 0;       // 1 none, 2 and 5 goatee, 3 moustache, 4 stubble, 6 full beard
    std::uint8_t height = 0;      // cm
    std::uint8_t weight = 0;      // kg
    std::uint8_t shoeType = 0;    // 0..5
    bool longSleeves = false;
    std::int32_t specialFace = 0;  // a face of its own, 0 for none

    friend bool operator==(const SPlayerLook&, const SPlayerLook&) = default;
};

// Preview backgrounds, 0xAARRGGBB.
inline constexpr std::uint32_t kKitPageBackground = 0xC0C0C0;
inline constexpr std::uint32_t kLookPageBackground = 0xFF2020C0;

// The plug-in object. It is created by the plug-in and never deleted by the editor: Release ends
// it, before the library is unloaded.
class IRendererPlugin {
public:
    virtual void Release() = 0;
    // The widget to draw into; it lives until Release.
    virtual void SetRenderTarget(QWidget* target) = 0;
    // The kit page opened with the club's kits.
    virtual void SetKits(const SClubKits& kits) = 0;
    // The kits being edited changed, or another kit was chosen for the preview.
    virtual void ChangeKit(const SClubKits& kits, EKitView view) = 0;
    // The look being edited changed.
    virtual void ChangeLook(const SPlayerLook& look) = 0;
    // Called every 50 milliseconds while a page shows the preview.
    virtual void RenderFrame() = 0;
    virtual void SetBackground(std::uint32_t colour) = 0;

protected:
    ~IRendererPlugin() = default;
};

inline constexpr char kPluginFileName[] = "Renderer.so";
inline constexpr char kEntryPointName[] = "GetPlugin";

// The type of the entry point, which a plug-in defines as
//   extern "C" void GetPlugin(kw::render::IRendererPlugin** slot)
// and which stores a new plug-in object into `slot`.
using GetPluginFunction = void (*)(IRendererPlugin** slot);

}  // namespace kw::render
