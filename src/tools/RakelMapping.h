// The runs that set the other game's identifiers and the face numbers for the whole world,
// each one undoable edit of the document, each writing its report (lines ending CR LF).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kw {

class CBaseTextFile;
class CDatabaseDocument;
class CRakelClubMapping;
class CRakelFaceMapping;
class CRakelPlayerMapping;
class CRakelPs2FaceTable;

// What every run answers.
struct SMappingOutcome {
    // False when the run refused to map (its list or table holds nothing) and changed nothing.
    bool mapped = false;
    // False when the report file could not be written; the mapping still stands.
    bool reportWritten = false;
    // The report as written, without line ends.
    std::vector<std::string> reportLines;

    bool Succeeded() const { return mapped && reportWritten; }
};

struct SClubMappingResult : SMappingOutcome {
    int success = 0;
    int failure = 0;
    // Other-game clubs no club took, and those taken more than once.
    int unmapped = 0;
    int overmapped = 0;
};

struct SPlayerMappingResult : SMappingOutcome {
    int success = 0;
    int failed = 0;
    int unnormalised = 0;
};

struct SFaceMappingResult : SMappingOutcome {
    int success = 0;
    int failed = 0;
    // Table entries given to exactly one player, to none, to several.
    int usedOnce = 0;
    int unused = 0;
    int overused = 0;
};

// The answers of the commands' question and save dialog.
struct SMappingOptions {
    // A club, player or face without match gets 0 (Yes) or keeps its number (No).
    bool zeroUnmatched = false;
    std::filesystem::path reportPath;
};

// Every club of the countries 1 to 206 (national teams left out) looked up by its name in the
// document's language; a hit sets its external number.
SClubMappingResult MapClubIds(CDatabaseDocument& document, const CRakelClubMapping& clubs,
                              const SMappingOptions& options);

// Every player of every club: full name, then nickname, then stage name; a hit sets the second
// external number.
SPlayerMappingResult MapPlayerIds(CDatabaseDocument& document, const CRakelPlayerMapping& players,
                                  const SMappingOptions& options);

// Every player of every club gets the face the face list names for his full name, when that face
// is an entry of the face table. `faces` must have been read from "faceIDs.txt": a table filled
// in for a missing file maps nothing.
SFaceMappingResult MapFaceIds(CDatabaseDocument& document, const CBaseTextFile& faces,
                              const CRakelFaceMapping& faceList, const SMappingOptions& options);

// Every player of every club whose face the console table has gets its console face.
SFaceMappingResult MapPs2FaceIds(CDatabaseDocument& document, const CRakelPs2FaceTable& table,
                                 const SMappingOptions& options);

}  // namespace kw
