#pragma once
// The namer of a family's slots, shared by the files that hold its rules: Names.cpp the rules
// of shape and place, MediaNames.cpp what is known of sites and of media files' names.

#include <string>
#include <string_view>

#include "wizard/TemplateSuggest.h"
#include "wizard/suggest/Names.h"
#include "wizard/suggest/Plan.h"
#include "wizard/suggest/Words.h"

namespace suggest {

class Namer {
public:
    Namer(FamilyPlan& plan, const stSuggestHints& hints) : m_plan(plan), m_hints(hints) {}

    void Name();

private:
    int Parts() const { return static_cast<int>(m_plan.parts.size()); }
    PartPlan& Part(int j) { return m_plan.parts[static_cast<std::size_t>(j)]; }
    const Separator& Sep(int j) const { return m_plan.separators[static_cast<std::size_t>(j)]; }
    // The part's one slot, when it has no name yet and the part is not read by the Title.
    Slot* Free(int j);
    bool IsName(int j);
    bool Named(int j);
    bool Empty(int j) { return Part(j).Constant() && Part(j).slots[0].constant.empty(); }
    bool Bracketed(int j) const { return j > 0 && j + 1 < Parts() && Sep(j - 1).opens && Sep(j).closes; }
    bool PlayerName(int j) { return Part(j).Constant() && IsPlayerName(Part(j).slots[0].constant, m_hints); }
    // The player's own words, never a tag: its name, or a label such as "Now playing".
    bool PlayersWords(int j) { return PlayerName(j) || (Part(j).Constant() && IsNowPlayingLabel(Part(j).slots[0].constant)); }
    bool Names(int j, bool (*known)(std::string_view));
    bool TitleFirst();
    bool OthersName(int j, bool profile = true);
    int Lead();
    bool DashAfter(int j) const;
    bool Has(std::string_view name) const;
    // Extras between an artist and a dash: empty parts, brackets and quotes, album and track.
    bool Extra(int j) { return Empty(j) || Bracketed(j) || Named(j); }
    int ArtistBefore(int a);
    int ConstantBracketsAfter(int j);
    void KeepNamesBrackets();
    bool ReadsOn(int t);
    bool OpensWithBracket(int t);
    bool VersionAfter(int t);
    void TakeIntoTitle(int t);
    void NameTrack(Slot& slot);
    static bool WithSeveral(const Slot& slot, const Slot& other);

    // By shape and place (Names.cpp), in the order Name() runs them.
    void NameUrls();
    void NameTimes();
    static void NameTime(Slot& slot);
    void NameCounts();
    static bool SplitDisc(PartPlan& part, std::size_t k);
    void NameAlbum(int j, Slot* before);
    void NameLeadingNumber();
    void NameYear();
    void NameStation();
    void NameSongByArtist();
    void NameTitleThenArtist();
    void NameArtistAndTitle();
    void NameStationAfter(int t);
    void NameStationAfterBar();
    void NameRadioTitles();
    int NameInBracketsAfter(int t, char bracket);
    void NameAlbumAfter(int t);
    void NameSongThenConstantArtist();
    void NameTheRest();
    void KeepTitleWords();
    void NameBarredNames();
    void NameBeforeYear();
    void NameArtistBeforeAlbum();
    void NameAfterTrackNumber();
    void NameLabelledNumber();

    // By what is known of sites and media files (MediaNames.cpp).
    void NameSites();
    void NamePage();
    bool OwnPage();
    bool NamesPageSite(int end); // a member names a site that plays nothing before part end
    static void NameTabCount(Slot& slot);
    static void SplitPageCount(PartPlan& part);
    std::string SiteOf(int j);
    bool SitesLabel(int j);
    bool OnVideoSite();
    // At least half the titles say, in parts [first, end), that their video is no song's.
    bool MostlyVideos(int first, int end);
    bool LessonBetween(int first, int end);
    void NameRelease();
    void NameReleasedEpisode(PartPlan& part);
    void NamePath();
    void NameEpisodeMark();
    void NameLiveChannel();
    void NameQuotedSong();
    void NameVideoTitle();
    void SplitEpisode();
    void NameConstantSeries();
    // The words before and after an episode's number, and whether its own name follows.
    struct EpisodeMark {
        std::string before, after;
        bool named = false;
        bool season = false; // a season's number alone, no episode's: "Babylon Berlin Staffel 4"
    };
    static EpisodeMark EpisodeWord(std::string_view value);
    bool SplitNamedEpisode(PartPlan& part, std::size_t k, const std::string& word, const std::string& after);
    static std::string EpisodeBefore(std::string_view value);
    static EpisodeMark EpisodeAmidWords(std::string_view value, bool withSeason = true);
    bool SplitAtMark(PartPlan& part, std::size_t k, const EpisodeMark& mark, bool artist);
    void KeepPageLabel();
    static void KeepSiteAfter(Slot& slot);
    static bool KeepEndAfter(Slot& slot, std::string_view end);
    void NameShow();

    FamilyPlan& m_plan;
    const stSuggestHints& m_hints;
    bool m_track = false;
    bool m_title = false;
};

} // namespace suggest
