#pragma once

#include <algorithm>
#include <vector>

class WeakDelegateBase;

// Base of the delegate protocols (ZQPlayerBoxDelegate, ZQRecorderDelegate): a delegate
// object knows the senders that refer to it and clears their references when it is
// destroyed, so a sender never calls a delegate that is gone (the weak reference of the
// phone platform).
//
// Thread: main thread. Never fails.
class WeakDelegateTarget
{
public:
    WeakDelegateTarget() = default;
    WeakDelegateTarget(const WeakDelegateTarget &) {}
    WeakDelegateTarget &operator=(const WeakDelegateTarget &) { return *this; }
    virtual ~WeakDelegateTarget();

private:
    friend class WeakDelegateBase;
    std::vector<WeakDelegateBase *> m_references;
};

class WeakDelegateBase
{
public:
    WeakDelegateBase(const WeakDelegateBase &) = delete;
    WeakDelegateBase &operator=(const WeakDelegateBase &) = delete;

protected:
    WeakDelegateBase() = default;
    ~WeakDelegateBase() { bind(nullptr); }

    void bind(WeakDelegateTarget *target)
    {
        if (m_target)
            std::erase(m_target->m_references, this);
        m_target = target;
        if (m_target)
            m_target->m_references.push_back(this);
    }
    WeakDelegateTarget *m_target = nullptr;

private:
    friend class WeakDelegateTarget;
};

inline WeakDelegateTarget::~WeakDelegateTarget()
{
    for (WeakDelegateBase *reference : m_references)
        reference->m_target = nullptr;
}

// A weak reference to a delegate of protocol T (T derives from WeakDelegateTarget).
template<class T>
class WeakDelegate : private WeakDelegateBase
{
public:
    WeakDelegate() = default;
    void set(T *delegate)
    {
        m_delegate = delegate;
        bind(delegate);
    }
    T *get() const { return m_target ? m_delegate : nullptr; }
    explicit operator bool() const { return get() != nullptr; }
    T *operator->() const { return get(); }

private:
    T *m_delegate = nullptr;
};
