#pragma once

#include <filesystem>

#include "model/DatabaseName.h"
#include "platform/WriteOptions.h"
#include "storage/FixedText.h"

namespace kw {

class CWorld;
class IProgress;
class IUserInterface;

// Writes the world into a new archive: saves it into the scratch database, then packs every
// country file as a "COUN" chunk and every club's badge images from the installation's "badges"
// folder as "BADG" chunks, testing for cancel before each country and club (the progress names
// them in `language`). The scratch folder is removed and the world's folder restored afterwards.
// True when the archive is complete; a failed write is reported once through `ui` and leaves any
// previous archive as it was.
bool ExportWorld(CWorld& world, const std::filesystem::path& archive,
                 const std::filesystem::path& documents, IProgress& progress, IUserInterface& ui,
                 const SWriteOptions& options = {}, int language = kDefaultLanguage);

// Replaces the world's country files, and the installation's badges and player pictures, by
// those of the archive, then loads the database anew. With `ask`, nothing happens unless the user
// agrees. An archive that does not read cleanly to its end is reported and changes nothing, not
// even the world in memory; a file that cannot be written is reported and leaves every file as
// it was (the world is then loaded again from them, damaged countries named in `language`). True
// when every file was replaced.
bool ImportWorld(CWorld& world, const std::filesystem::path& archive, bool ask, IProgress& progress,
                 IUserInterface& ui, const SWriteOptions& options = {},
                 int language = kDefaultLanguage);

}  // namespace kw
