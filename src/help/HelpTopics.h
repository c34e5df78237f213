#pragma once
// HelpTopics: which help page belongs to which window or frame. A topic is a
// page's base name ("reports" is reports.html). F1 walks from the widget with
// the focus up to its window and takes the first topic it meets: a widget's
// own "helpTopic" property, else the topic of its objectName in this table.
// A new window therefore gets F1 by its name alone, or by setting the
// property; nothing else to write.
#include <string>
#include <vector>

namespace tessamo {

// The Qt property that names a widget's topic explicitly.
inline constexpr const char* kHelpTopicProperty = "helpTopic";

struct WindowTopic {
    const char* objectName;
    const char* topic;
};

// Every window and frame with a page of its own.
const std::vector<WindowTopic>& WindowTopics();

// The topic of a window or frame, or empty when it has none.
std::string TopicOfWindow(const std::string& objectName);

}  // namespace tessamo
