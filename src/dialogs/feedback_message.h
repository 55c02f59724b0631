#pragma once

#include <QStringList>

#include <atomic>

struct TProgramFacts;

// The address rule of the feedback window, applied to the whole address.
bool IsValidEmailAddress(const QString& address);
// The English phrase, followed by the panel's caption in parentheses when that is a
// translation, so that the service always reads the English choice.
QString ChoiceLine(const QString& english, const QString& caption);
// The service's form fields in their order, as name=value; "email" only with an address.
QStringList FeedbackFields(const TProgramFacts& facts, const QString& feedback,
                           const QString& address);
// Posts the fields to the feedback service once, over https unless the configured host names
// http://; true only when the service answers "OK". Never throws: any failure, a cancel
// included, is a feedback not received.
bool PostFeedback(const QStringList& fields, const std::atomic<bool>* cancelled = nullptr);
