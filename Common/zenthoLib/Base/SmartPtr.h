// Holds a reference-counted object: adds a reference on taking a pointer and
// releases it when dropped or replaced.
#pragma once

#include <utility>

template <typename T>
class CSmartPtr {
public:
    CSmartPtr() = default;
    CSmartPtr(T* object) : m_object(object) { acquire(); }
    CSmartPtr(const CSmartPtr& other) : m_object(other.m_object) { acquire(); }
    CSmartPtr(CSmartPtr&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    template <typename U>
    CSmartPtr(const CSmartPtr<U>& other) : m_object(other.get()) { acquire(); }
    ~CSmartPtr() { release(); }

    CSmartPtr& operator=(T* object)
    {
        if (object != m_object) {
            T* old = m_object;
            m_object = object;
            acquire();
            if (old)
                old->Release();
        }
        return *this;
    }
    CSmartPtr& operator=(const CSmartPtr& other) { return *this = other.m_object; }
    CSmartPtr& operator=(CSmartPtr&& other) noexcept
    {
        if (this != &other) {
            release();
            m_object = std::exchange(other.m_object, nullptr);
        }
        return *this;
    }

    T* get() const { return m_object; }
    T* operator->() const { return m_object; }
    T& operator*() const { return *m_object; }
    operator T*() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    void acquire()
    {
        if (m_object)
            m_object->AddRef();
    }
    void release()
    {
        if (T* old = std::exchange(m_object, nullptr))
            old->Release();
    }

    T* m_object = nullptr;
};
