#pragma once

#include <chrono>

class QWidget;

namespace kw {

// How long the splash screen stays: nothing removes it earlier.
inline constexpr std::chrono::milliseconds kSplashDuration{5000};

// Shows the editor's splash screen, a borderless picture centred over `over` (over the screen
// while `over` is not shown yet), for `duration`; then it goes and `over` is redrawn. Does
// nothing while a splash screen is showing.
void ShowSplashScreen(QWidget& over, std::chrono::milliseconds duration = kSplashDuration);

// The splash screen that is showing, if any.
QWidget* ShowingSplashScreen();

}  // namespace kw
