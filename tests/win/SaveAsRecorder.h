#pragma once
// Puts itself in place of the Save As dialog for its lifetime, records every request and
// answers each with the next queued path, or as Cancel when the queue is empty.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "framework/SaveAsDialog.h"

class SaveAsRecorder {
public:
    SaveAsRecorder()
        : m_previous(SetSaveAsHook([this](const SaveAsRequest& request) -> std::optional<std::string> {
              m_requests.push_back(request);
              if (m_answers.empty())
                  return std::nullopt;
              std::optional<std::string> answer = m_answers.front();
              m_answers.pop_front();
              return answer;
          }))
    {
    }
    ~SaveAsRecorder() { SetSaveAsHook(m_previous); }
    SaveAsRecorder(const SaveAsRecorder&) = delete;
    SaveAsRecorder& operator=(const SaveAsRecorder&) = delete;

    // A path chooses it; nothing cancels.
    void Answer(std::optional<std::string> path) { m_answers.push_back(std::move(path)); }
    const std::vector<SaveAsRequest>& Requests() const { return m_requests; }

private:
    std::vector<SaveAsRequest> m_requests;
    std::deque<std::optional<std::string>> m_answers;
    SaveAsHook m_previous;
};
