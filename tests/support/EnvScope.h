// Sets an environment variable for the lifetime of a test scope.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

class EnvScope {
public:
    EnvScope(std::string name, const std::string& value) : m_name(std::move(name))
    {
        if (const char* old = std::getenv(m_name.c_str()))
            m_previous = old;
        setenv(m_name.c_str(), value.c_str(), 1);
    }
    ~EnvScope()
    {
        if (m_previous)
            setenv(m_name.c_str(), m_previous->c_str(), 1);
        else
            unsetenv(m_name.c_str());
    }
    EnvScope(const EnvScope&) = delete;
    EnvScope& operator=(const EnvScope&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_previous;
};
