#pragma once
// "Select Movie": the movie's path or web address, typed or found with "...".
#include <QDialog>

class Prompter;
class QLineEdit;

class TSelectMovieDialog : public QDialog {
    Q_OBJECT
  public:
    TSelectMovieDialog(const QString& path, const QString& folder, Prompter* prompter,
                       QWidget* parent = nullptr);
    QString SelectedFile() const;

  private:
    QLineEdit* m_file;
};
