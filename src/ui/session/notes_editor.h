#pragma once
// The session and general notes editors: the notes editor with links, under the name their pages use.
#include "ui/widgets/link_notes_edit.h"

class NotesEditor : public LinkNotesEdit {
    Q_OBJECT
  public:
    using LinkNotesEdit::LinkNotesEdit;
};
