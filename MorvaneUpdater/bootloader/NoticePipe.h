#pragma once

// A descriptor that turns readable when another thread gives notice, so that one poll() waits
// for both a device event and a wake-up. Notices given before the waiter drains are merged.
class NoticePipe final
{
public:
    NoticePipe();
    ~NoticePipe();
    NoticePipe(const NoticePipe &) = delete;
    NoticePipe &operator=(const NoticePipe &) = delete;

    // False when the platform gave no pipe; notices are then lost and only time-outs wake.
    bool isValid() const { return m_read >= 0; }
    int descriptor() const { return m_read; }
    // Safe from any thread.
    void notify();
    // Takes every notice given so far.
    void drain();

private:
    int m_read = -1;
    int m_write = -1;
};
