#pragma once
// Puts itself in place of the real message box for its lifetime, records every box and
// answers each with the next queued button (IDOK when the queue is empty).

#include <deque>
#include <vector>

#include "framework/MessageBox.h"

class MessageBoxRecorder {
public:
    MessageBoxRecorder()
        : m_previous(SetMessageBoxHook([this](const MessageBoxRequest& request) {
              m_boxes.push_back(request);
              if (m_answers.empty())
                  return IDOK;
              int answer = m_answers.front();
              m_answers.pop_front();
              return answer;
          }))
    {
    }
    ~MessageBoxRecorder() { SetMessageBoxHook(m_previous); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void Answer(int button) { m_answers.push_back(button); }
    const std::vector<MessageBoxRequest>& Boxes() const { return m_boxes; }
    const MessageBoxRequest& Last() const { return m_boxes.back(); }
    std::size_t Count() const { return m_boxes.size(); }

private:
    std::vector<MessageBoxRequest> m_boxes;
    std::deque<int> m_answers;
    MessageBoxHook m_previous;
};
