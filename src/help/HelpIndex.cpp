#include "help/HelpIndex.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace tessamo {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c >= 0x80) {
            word += static_cast<char>(std::tolower(c));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

std::string DecodeEntity(const std::string& name) {
    static const std::map<std::string, std::string> named = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", " "}, {"mdash", "—"},
        {"ndash", "–"}, {"rarr", "→"}};
    if (auto it = named.find(name); it != named.end()) return it->second;
    if (name.size() > 1 && name[0] == '#' && std::isdigit(static_cast<unsigned char>(name[1]))) {
        const long code = std::strtol(name.c_str() + 1, nullptr, 10);
        if (code > 0 && code < 0x80) return std::string(1, static_cast<char>(code));
    }
    return "&" + name + ";";
}

// The value of attribute `name` inside one tag's text, or empty.
std::string Attribute(const std::string& tag, const std::string& name) {
    const std::string lower = Lower(tag);
    const auto at = lower.find(name + "=\"");
    if (at == std::string::npos) return std::string();
    const auto start = at + name.size() + 2;
    const auto end = tag.find('"', start);
    return end == std::string::npos ? std::string() : tag.substr(start, end - start);
}

// Calls `onTag` with each tag's inside text and `onText` with the text between.
template <typename TagFn, typename TextFn>
void WalkHtml(const std::string& html, TagFn onTag, TextFn onText) {
    std::size_t pos = 0;
    while (pos < html.size()) {
        const auto open = html.find('<', pos);
        onText(html.substr(pos, open == std::string::npos ? std::string::npos : open - pos));
        if (open == std::string::npos) break;
        const auto close = html.find('>', open);
        if (close == std::string::npos) break;
        onTag(html.substr(open + 1, close - open - 1));
        pos = close + 1;
    }
}

std::string DecodeText(const std::string& raw) {
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '&') {
            const auto semi = raw.find(';', i);
            if (semi != std::string::npos && semi - i <= 8) {
                out += DecodeEntity(raw.substr(i + 1, semi - i - 1));
                i = semi;
                continue;
            }
        }
        const bool blank = raw[i] == ' ' || raw[i] == '\n' || raw[i] == '\t' || raw[i] == '\r';
        if (blank && (out.empty() || out.back() == ' ')) continue;
        out += blank ? ' ' : raw[i];
    }
    return out;
}

}  // namespace

HelpPage ParseHelpPage(const std::string& topic, const std::string& html) {
    HelpPage page;
    page.topic = topic;
    std::string raw;
    bool inTitle = false, inHead = false;
    WalkHtml(
        html,
        [&](const std::string& tag) {
            const std::string name = Lower(tag.substr(0, tag.find_first_of(" \t\n/", 1)));
            if (name == "title") inTitle = true;
            if (name == "/title") inTitle = false;
            if (name == "head") inHead = true;
            if (name == "/head") inHead = false;
            if (name == "meta" && Lower(Attribute(tag, "name")) == "keywords") {
                std::string list = Attribute(tag, "content");
                std::size_t start = 0;
                while (start <= list.size()) {
                    const auto comma = list.find(',', start);
                    const std::string keyword = Trim(DecodeText(list.substr(start, comma - start)));
                    if (!keyword.empty()) page.keywords.push_back(keyword);
                    if (comma == std::string::npos) break;
                    start = comma + 1;
                }
            }
            raw += ' ';
        },
        [&](const std::string& text) {
            if (inTitle)
                page.title += text;
            else if (!inHead)
                raw += text;
        });
    page.title = Trim(DecodeText(page.title));
    page.text = Trim(DecodeText(raw));
    page.words = SplitWords(page.text);
    return page;
}

std::vector<std::string> LinkedTopics(const std::string& html) {
    std::vector<std::string> topics;
    WalkHtml(
        html,
        [&](const std::string& tag) {
            if (Lower(tag.substr(0, 2)) != "a ") return;
            std::string target = Attribute(tag, "href");
            if (target.empty() || target[0] == '#' || target.find(':') != std::string::npos) return;
            target = target.substr(0, target.find('#'));
            if (target.size() > 5 && target.ends_with(".html")) topics.push_back(target.substr(0, target.size() - 5));
            else topics.push_back(target);  // not a page: reported as such by the caller's check
        },
        [](const std::string&) {});
    return topics;
}

void HelpIndex::Add(HelpPage page) { pages_.push_back(std::move(page)); }

const HelpPage* HelpIndex::Find(const std::string& topic) const {
    for (const HelpPage& page : pages_)
        if (page.topic == topic) return &page;
    return nullptr;
}

std::vector<HelpIndex::Entry> HelpIndex::Keywords() const {
    std::vector<Entry> entries;
    for (const HelpPage& page : pages_)
        for (const std::string& keyword : page.keywords) entries.push_back({keyword, page.topic});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return Lower(a.keyword) < Lower(b.keyword); });
    return entries;
}

std::vector<HelpIndex::Hit> HelpIndex::Search(const std::string& query) const {
    const std::vector<std::string> wanted = SplitWords(query);
    std::vector<Hit> hits;
    if (wanted.empty()) return hits;
    // A whole word counts three times as much as a word it only begins
    // ("comma" is found in "command", but a page about commas comes first).
    auto count = [](const std::vector<std::string>& words, const std::string& start) {
        int score = 0;
        for (const std::string& w : words)
            if (w.starts_with(start)) score += w.size() == start.size() ? 3 : 1;
        return score;
    };
    for (const HelpPage& page : pages_) {
        const std::vector<std::string> titleWords = SplitWords(page.title);
        std::vector<std::string> keywordWords;
        for (const std::string& k : page.keywords)
            for (std::string& w : SplitWords(k)) keywordWords.push_back(std::move(w));
        int score = 0;
        bool all = true;
        for (const std::string& word : wanted) {
            const int inText = count(page.words, word);
            if (inText == 0) {
                all = false;
                break;
            }
            score += inText + 10 * count(titleWords, word) + 5 * count(keywordWords, word);
        }
        if (all) hits.push_back({page.topic, page.title, score});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.score > b.score; });
    return hits;
}

}  // namespace tessamo
