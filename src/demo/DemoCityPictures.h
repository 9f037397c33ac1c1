// City pictures of the demo installation: small skylines drawn in code, one BMP file per city
// in "<install>/city/", named as the club editor looks them up ("<city name>.bmp").
#pragma once

#include <cstdint>
#include <filesystem>

namespace kw {
class CWorld;
}

namespace kw::demo {

// Draws a picture for the German city names of the first two clubs of the default country and
// then of the other countries in number order, until a dozen cities have one (a city shared by
// clubs gets one picture). The same seed gives the same pictures. False when a file could not be
// written.
bool WriteDemoCityPictures(const kw::CWorld& world, const std::filesystem::path& installDirectory,
                           std::uint32_t seed);

}  // namespace kw::demo
