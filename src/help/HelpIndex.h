#pragma once
// HelpIndex: the help pages read for the viewer's index and search. A page
// is plain HTML of our own: its <title> is its name, a
// <meta name="keywords" content="a, b"> line gives its index entries, and
// the text between the tags is what the search looks through.
#include <string>
#include <vector>

namespace tessamo {

struct HelpPage {
    std::string topic;  // base name of the file
    std::string title;
    std::vector<std::string> keywords;
    std::string text;   // tags removed, entities decoded, blanks collapsed
    std::vector<std::string> words;  // text in lower case, split at non-letters
};

HelpPage ParseHelpPage(const std::string& topic, const std::string& html);

// The local pages a page links to ("export.html#files" gives "export").
std::vector<std::string> LinkedTopics(const std::string& html);

class HelpIndex {
public:
    struct Entry {
        std::string keyword;
        std::string topic;
    };
    struct Hit {
        std::string topic;
        std::string title;
        int score = 0;
    };

    void Add(HelpPage page);
    const std::vector<HelpPage>& Pages() const { return pages_; }
    const HelpPage* Find(const std::string& topic) const;

    // Every keyword of every page, sorted without regard to case.
    std::vector<Entry> Keywords() const;
    // Pages holding every word of `query` (a word matches the start of a
    // word of the page), best first: title words count most, then index
    // keywords, then the text; whole words more than beginnings. An empty
    // query finds nothing.
    std::vector<Hit> Search(const std::string& query) const;

private:
    std::vector<HelpPage> pages_;
};

}  // namespace tessamo
