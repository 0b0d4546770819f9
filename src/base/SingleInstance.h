#pragma once

// Makes `Window` a class with at most one open instance at a time, reached
// through the class: the instance forgets itself as it goes, before its
// children do.
//
//     class AboutWindow final : public QWidget, public SingleInstance<AboutWindow>
template <class Window> class SingleInstance {
public:
    // The open instance, or nullptr.
    static Window *existing() { return static_cast<Window *>(open_); }
    // Deletes the open instance, if there is one.
    static void release() { delete existing(); }

    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

protected:
    SingleInstance() = default;
    ~SingleInstance() { letGo(); }

    // Stops being the open instance: the next one can be made at once.
    void letGo()
    {
        if (open_ == this)
            open_ = nullptr;
    }

    // Makes `window` the open instance and returns it.
    static Window *hold(Window *window)
    {
        open_ = window;
        return window;
    }

private:
    static inline SingleInstance *open_ = nullptr;
};
